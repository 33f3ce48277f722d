// The view recorder: what it writes decodes back (container, codec, size, frame count, colours,
// orientation), frames of another size are scaled, and a recorder that cannot start leaves no file.

#include "scene/record/ViewRecorder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace velmara::test {
namespace {

namespace fs = std::filesystem;
using scene::Image;
using scene::ViewRecorder;

struct Decoded {
  std::string error;  // empty when the file decoded
  std::string container, codec;
  int width = 0, height = 0;
  AVRational frameRate{0, 1};
  std::vector<Image> frames;  // RGBA, top row first
};

// Reads a video file back with FFmpeg's demuxer and decoder, independent of how it was written.
Decoded DecodeVideo(const fs::path& path) {
  Decoded out;
  AVFormatContext* rawInput = nullptr;
  if (avformat_open_input(&rawInput, path.c_str(), nullptr, nullptr) < 0) {
    out.error = "cannot open";
    return out;
  }
  auto closeInput = [](AVFormatContext* c) { avformat_close_input(&c); };
  std::unique_ptr<AVFormatContext, decltype(closeInput)> input(rawInput, closeInput);
  if (avformat_find_stream_info(input.get(), nullptr) < 0) {
    out.error = "no stream info";
    return out;
  }
  const AVCodec* decoder = nullptr;
  const int index = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
  if (index < 0 || !decoder) {
    out.error = "no video stream";
    return out;
  }
  const AVStream* stream = input->streams[index];
  out.container = input->iformat->name;
  out.codec = decoder->name;
  out.frameRate = stream->avg_frame_rate;

  auto freeCodec = [](AVCodecContext* c) { avcodec_free_context(&c); };
  std::unique_ptr<AVCodecContext, decltype(freeCodec)> codec(avcodec_alloc_context3(decoder), freeCodec);
  avcodec_parameters_to_context(codec.get(), stream->codecpar);
  if (avcodec_open2(codec.get(), decoder, nullptr) < 0) {
    out.error = "decoder refused";
    return out;
  }
  out.width = codec->width;
  out.height = codec->height;

  auto freePacket = [](AVPacket* p) { av_packet_free(&p); };
  auto freeFrame = [](AVFrame* f) { av_frame_free(&f); };
  std::unique_ptr<AVPacket, decltype(freePacket)> packet(av_packet_alloc(), freePacket);
  std::unique_ptr<AVFrame, decltype(freeFrame)> frame(av_frame_alloc(), freeFrame);
  auto takeFrames = [&] {
    while (avcodec_receive_frame(codec.get(), frame.get()) >= 0) {
      // The decoder gives full-range planes under a deprecated format name; say so plainly.
      const auto format = static_cast<AVPixelFormat>(frame->format);
      const bool fullRange = format == AV_PIX_FMT_YUVJ420P || frame->color_range == AVCOL_RANGE_JPEG;
      SwsContext* toRgba = sws_getContext(frame->width, frame->height,
                                          format == AV_PIX_FMT_YUVJ420P ? AV_PIX_FMT_YUV420P : format,
                                          frame->width, frame->height, AV_PIX_FMT_RGBA, SWS_POINT, nullptr, nullptr,
                                          nullptr);
      const int* coefficients = sws_getCoefficients(SWS_CS_ITU601);
      sws_setColorspaceDetails(toRgba, coefficients, fullRange ? 1 : 0, coefficients, 1, 0, 1 << 16, 1 << 16);
      // The converter may write past the end of a row; give it room, then copy the rows out.
      const int stride = (frame->width * 4 + 63) / 64 * 64;
      std::vector<std::uint8_t> padded(static_cast<std::size_t>(stride) * (frame->height + 1));
      std::uint8_t* planes[1] = {padded.data()};
      const int strides[1] = {stride};
      sws_scale(toRgba, frame->data, frame->linesize, 0, frame->height, planes, strides);
      sws_freeContext(toRgba);
      std::vector<std::uint8_t> rgba(static_cast<std::size_t>(frame->width) * frame->height * 4);
      for (int y = 0; y < frame->height; ++y) {
        std::copy_n(padded.begin() + static_cast<std::ptrdiff_t>(y) * stride, frame->width * 4,
                    rgba.begin() + static_cast<std::ptrdiff_t>(y) * frame->width * 4);
      }
      out.frames.emplace_back(frame->width, frame->height, std::move(rgba));
      av_frame_unref(frame.get());
    }
  };
  while (av_read_frame(input.get(), packet.get()) >= 0) {
    if (packet->stream_index == index) avcodec_send_packet(codec.get(), packet.get());
    av_packet_unref(packet.get());
    takeFrames();
  }
  avcodec_send_packet(codec.get(), nullptr);
  takeFrames();
  return out;
}

// Top half one colour, bottom half another: shows both the colour and which way up it came back.
Image TwoTone(int width, int height, std::uint32_t top, std::uint32_t bottom) {
  Image image = Image::filled(width, height, bottom);
  for (int y = 0; y < height / 2; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, top);
  }
  return image;
}

// Red, green and blue of 0xRRGGBBAA colours agree within `tolerance` levels.
::testing::AssertionResult colourNear(std::uint32_t actual, std::uint32_t expected, int tolerance) {
  for (int shift : {24, 16, 8}) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (a - e > tolerance || e - a > tolerance) {
      char text[64];
      std::snprintf(text, sizeof text, "%08X is not within %d of %08X", actual, tolerance, expected);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

// JPEG with 4:2:0 chroma: flat areas come back within a few levels; sample away from the edges.
constexpr int kJpegTolerance = 12;

class ViewRecorderTest : public ::testing::Test {
protected:
  void SetUp() override {
    static int counter = 0;
    folder_ = fs::temp_directory_path() /
              ("velmara-recorder-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  std::vector<fs::path> folderContents() const {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename());
    return names;
  }
  fs::path folder_;
};

const std::uint32_t kColours[][2] = {
    {0xFF0000FFu, 0x0000FFFFu}, {0x00FF00FFu, 0xFFFFFFFFu}, {0x0000FFFFu, 0xFFFF00FFu},
    {0xFFFF00FFu, 0x202020FFu}, {0x808080FFu, 0xFF00FFFFu},
};

TEST_F(ViewRecorderTest, RecordsMotionJpegAviThatDecodesToTheFramesGiven) {
  const fs::path file = folder_ / "VelmaraMov.avi";
  ViewRecorder recorder;
  ASSERT_TRUE(recorder.start(file, 96, 64, 25).ok());
  EXPECT_TRUE(recorder.isRecording());
  for (const auto& colours : kColours) ASSERT_TRUE(recorder.addFrame(TwoTone(96, 64, colours[0], colours[1])).ok());
  EXPECT_EQ(recorder.framesWritten(), 5);
  ASSERT_TRUE(recorder.stop().ok());
  EXPECT_FALSE(recorder.isRecording());

  const Decoded video = DecodeVideo(file);
  ASSERT_EQ(video.error, "");
  EXPECT_EQ(video.container, "avi");
  EXPECT_EQ(video.codec, "mjpeg");
  EXPECT_EQ(video.width, 96);
  EXPECT_EQ(video.height, 64);
  EXPECT_EQ(av_q2d(video.frameRate), 25.0);
  ASSERT_EQ(video.frames.size(), 5u);
  for (std::size_t i = 0; i < video.frames.size(); ++i) {
    SCOPED_TRACE("frame " + std::to_string(i));
    EXPECT_TRUE(colourNear(video.frames[i].pixel(48, 12), kColours[i][0], kJpegTolerance));
    EXPECT_TRUE(colourNear(video.frames[i].pixel(48, 52), kColours[i][1], kJpegTolerance));
  }
}

TEST_F(ViewRecorderTest, RecordsViewsOfAnySizeItCanDescribe) {
  const struct {
    const char* name;
    int width, height;
  } cases[] = {{"odd width and height", 95, 63}, {"one pixel", 1, 1}, {"a tall strip", 2, 300}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = folder_ / (std::string(c.name) + ".avi");
    ViewRecorder recorder;
    ASSERT_TRUE(recorder.start(file, c.width, c.height, 10).ok());
    ASSERT_TRUE(recorder.addFrame(Image::filled(c.width, c.height, 0x3060C0FFu)).ok());
    ASSERT_TRUE(recorder.stop().ok());
    const Decoded video = DecodeVideo(file);
    ASSERT_EQ(video.error, "");
    EXPECT_EQ(video.width, c.width);
    EXPECT_EQ(video.height, c.height);
    ASSERT_EQ(video.frames.size(), 1u);
    EXPECT_TRUE(colourNear(video.frames[0].pixel(c.width / 2, c.height / 2), 0x3060C0FFu, kJpegTolerance));
  }
}

TEST_F(ViewRecorderTest, ScalesFramesOfAnotherSizeToTheRecordingsSize) {
  const fs::path file = folder_ / "resized.avi";
  ViewRecorder recorder;
  ASSERT_TRUE(recorder.start(file, 96, 64, 25).ok());
  ASSERT_TRUE(recorder.addFrame(TwoTone(96, 64, 0xFF0000FFu, 0x0000FFFFu)).ok());
  ASSERT_TRUE(recorder.addFrame(TwoTone(48, 32, 0x00FF00FFu, 0xFFFFFFFFu)).ok());   // smaller
  ASSERT_TRUE(recorder.addFrame(TwoTone(200, 90, 0xFFFF00FFu, 0x000000FFu)).ok());  // larger, other aspect
  ASSERT_TRUE(recorder.stop().ok());

  const Decoded video = DecodeVideo(file);
  ASSERT_EQ(video.error, "");
  EXPECT_EQ(video.width, 96);
  EXPECT_EQ(video.height, 64);
  ASSERT_EQ(video.frames.size(), 3u);
  EXPECT_TRUE(colourNear(video.frames[1].pixel(48, 12), 0x00FF00FFu, kJpegTolerance));
  EXPECT_TRUE(colourNear(video.frames[1].pixel(48, 52), 0xFFFFFFFFu, kJpegTolerance));
  EXPECT_TRUE(colourNear(video.frames[2].pixel(10, 12), 0xFFFF00FFu, kJpegTolerance));
  EXPECT_TRUE(colourNear(video.frames[2].pixel(85, 52), 0x000000FFu, kJpegTolerance));
}

TEST_F(ViewRecorderTest, ARecorderThatCannotStartSaysWhyAndLeavesNoFile) {
  std::ofstream(folder_ / "plain-file") << "not a folder";
  fs::create_directories(folder_ / "a-folder");
  const struct {
    const char* name;
    fs::path path;
    int width, height, framesPerSecond;
  } cases[] = {
      {"missing folder", "no-such-folder/VelmaraMov.avi", 96, 64, 25},
      {"folder under a plain file", "plain-file/VelmaraMov.avi", 96, 64, 25},
      {"path is a folder", "a-folder", 96, 64, 25},
      {"zero width", "VelmaraMov.avi", 0, 64, 25},
      {"negative height", "VelmaraMov.avi", 96, -64, 25},
      {"wider than JPEG allows", "VelmaraMov.avi", ViewRecorder::MaxSide + 1, 64, 25},
      {"no frame rate", "VelmaraMov.avi", 96, 64, 0},
  };
  const std::vector<fs::path> before = folderContents();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ViewRecorder recorder;
    const scene::Status status = recorder.start(folder_ / c.path, c.width, c.height, c.framesPerSecond);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error(), "");
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_FALSE(recorder.addFrame(Image::filled(96, 64, 0xFF0000FFu)).ok());
    EXPECT_TRUE(recorder.stop().ok());
    EXPECT_EQ(folderContents(), before);
  }
}

TEST_F(ViewRecorderTest, ASecondStartIsRefusedAndTheRunningRecordingGoesOn) {
  const fs::path first = folder_ / "first.avi";
  const fs::path second = folder_ / "second.avi";
  ViewRecorder recorder;
  ASSERT_TRUE(recorder.start(first, 96, 64, 25).ok());
  ASSERT_TRUE(recorder.addFrame(Image::filled(96, 64, 0xFF0000FFu)).ok());
  const scene::Status again = recorder.start(second, 48, 32, 25);
  EXPECT_FALSE(again.ok());
  EXPECT_NE(again.error(), "");
  EXPECT_FALSE(fs::exists(second));
  EXPECT_TRUE(recorder.isRecording());
  EXPECT_EQ(recorder.path(), first);
  ASSERT_TRUE(recorder.addFrame(Image::filled(96, 64, 0x00FF00FFu)).ok());
  ASSERT_TRUE(recorder.stop().ok());

  const Decoded video = DecodeVideo(first);
  ASSERT_EQ(video.error, "");
  EXPECT_EQ(video.width, 96);
  ASSERT_EQ(video.frames.size(), 2u);
  EXPECT_TRUE(colourNear(video.frames[1].pixel(48, 32), 0x00FF00FFu, kJpegTolerance));
}

TEST_F(ViewRecorderTest, RefusesAnEmptyPictureAndKeepsRecording) {
  const fs::path file = folder_ / "empty-frame.avi";
  ViewRecorder recorder;
  ASSERT_TRUE(recorder.start(file, 32, 32, 25).ok());
  EXPECT_FALSE(recorder.addFrame(Image()).ok());
  EXPECT_TRUE(recorder.isRecording());
  ASSERT_TRUE(recorder.addFrame(Image::filled(32, 32, 0xFFFFFFFFu)).ok());
  ASSERT_TRUE(recorder.stop().ok());
  EXPECT_EQ(DecodeVideo(file).frames.size(), 1u);
}

TEST_F(ViewRecorderTest, FinishesTheFileWhenDestroyedAndRecordsAgainAfterAStop) {
  const fs::path first = folder_ / "destroyed.avi";
  {
    ViewRecorder recorder;
    ASSERT_TRUE(recorder.start(first, 64, 48, 25).ok());
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(recorder.addFrame(Image::filled(64, 48, 0x4080FFFFu)).ok());
  }
  EXPECT_EQ(DecodeVideo(first).frames.size(), 3u);

  ViewRecorder recorder;
  const fs::path second = folder_ / "second.avi";
  const fs::path third = folder_ / "third.avi";
  ASSERT_TRUE(recorder.start(second, 64, 48, 25).ok());
  ASSERT_TRUE(recorder.addFrame(Image::filled(64, 48, 0xFF0000FFu)).ok());
  ASSERT_TRUE(recorder.stop().ok());
  ASSERT_TRUE(recorder.start(third, 32, 16, 25).ok());
  ASSERT_TRUE(recorder.addFrame(Image::filled(32, 16, 0x0000FFFFu)).ok());
  ASSERT_TRUE(recorder.addFrame(Image::filled(32, 16, 0x0000FFFFu)).ok());
  ASSERT_TRUE(recorder.stop().ok());
  EXPECT_EQ(DecodeVideo(second).frames.size(), 1u);
  const Decoded video = DecodeVideo(third);
  EXPECT_EQ(video.width, 32);
  EXPECT_EQ(video.frames.size(), 2u);
}

}  // namespace
}  // namespace velmara::test
