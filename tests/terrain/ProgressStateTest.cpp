#include "terrain/ProgressState.h"

#include <gtest/gtest.h>

namespace velmara {
namespace {

TEST(ProgressState, ExtractingClearsCountsAndShowsTheBar) {
  TProgressState state;
  state.Visible = false;
  state.Land = "12";
  ASSERT_TRUE(state.Handle(ProgressWindowMessage, 0, -500));
  EXPECT_EQ(state.Stage, "Extracting...");
  EXPECT_EQ(state.Land, "");
  EXPECT_EQ(state.Etopo, "");
  EXPECT_EQ(state.MarkCount, "");
  EXPECT_EQ(state.BarPosition, 0);
  EXPECT_EQ(state.BarMax, 500);
  EXPECT_TRUE(state.Visible);
}

TEST(ProgressState, ProgressMessages) {
  TProgressState state;
  state.Handle(ProgressWindowMessage, -1, 100);
  EXPECT_EQ(state.Stage, "Rendering...");
  EXPECT_EQ(state.BarPosition, 50);
  EXPECT_EQ(state.BarMax, 100);
  state.Handle(ProgressWindowMessage, 1, 75);
  EXPECT_EQ(state.BarPosition, 75);
  state.Handle(ProgressWindowMessage, 0, 20);
  EXPECT_EQ(state.Stage, "Gridding...");
  EXPECT_EQ(state.BarMax, 20);
  state.Handle(ProgressWindowMessage, 0, 0);
  EXPECT_FALSE(state.Visible);
}

TEST(ProgressState, StatusCodes) {
  struct Case {
    int64_t code, value;
    std::string TProgressState::*field;
    const char* text;
  } cases[] = {
      {1, 1234567, &TProgressState::Points, "1,234,567"},
      {-7, 0, &TProgressState::Points, "wide area view"},
      {-6, 2500, &TProgressState::Etopo, "2,500"},
      {-9, 3, &TProgressState::Stage, "Upgrading dabatase..please wait"},
      {-9, 3, &TProgressState::Etopo, "Stage: 3"},
      {-10, 0, &TProgressState::Stage, "Starting Velmara..please wait"},
      {-17, 0, &TProgressState::Stage, "Loading..please wait"},
      {-18, 42, &TProgressState::RoughCount, "42"},
      {-15, 9, &TProgressState::HardCount, "9"},
      {-19, 1000, &TProgressState::MarkCount, "1,000"},
      {-8, 77, &TProgressState::Land, "77"},
      {-101, 300, &TProgressState::Etopo, "processing..."},
      {-1, 0, &TProgressState::Stage, "Extracting...Etopo..."},
      {-4, 0, &TProgressState::Stage, "Gridding......"},
  };
  for (const Case& c : cases) {
    TProgressState state;
    EXPECT_TRUE(state.Handle(StatusWindowMessage, c.code, c.value)) << c.code;
    EXPECT_EQ(state.*c.field, c.text) << c.code;
  }
  TProgressState cleared;
  cleared.Handle(StatusWindowMessage, -16, 0);
  EXPECT_EQ(cleared.HardnessCaption, "");
  EXPECT_EQ(cleared.RoughnessCaption, "");
  cleared.Handle(StatusWindowMessage, -18, 5);
  EXPECT_EQ(cleared.RoughnessCaption, "Rough Pts:");
  cleared.Handle(StatusWindowMessage, -1000, 0);
  EXPECT_FALSE(cleared.Visible);
}

TEST(ProgressState, UnknownCodesChangeNothing) {
  TProgressState state;
  state.Handle(StatusWindowMessage, 1, 5);
  const TProgressState before = state;
  EXPECT_FALSE(state.Handle(StatusWindowMessage, -50, 7));
  EXPECT_FALSE(state.Handle(StatusWindowMessage, 0, 7));
  EXPECT_FALSE(state.Handle(1379, 1, 1));
  EXPECT_EQ(state.Points, before.Points);
  EXPECT_EQ(state.Stage, before.Stage);
  EXPECT_EQ(state.Visible, before.Visible);
  EXPECT_EQ(state.BarPosition, before.BarPosition);
}

}  // namespace
}  // namespace velmara
