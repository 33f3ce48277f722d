// The pictures made at build time: each one the program asks for is there at its size, the image
// lists are strips of square cells with a picture in every cell, and the pictures keep the
// conventions their users rely on (transparent key colour, lamp mask, cursor hot spot).
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <filesystem>

namespace velmara {
namespace {

const std::filesystem::path Pictures = std::filesystem::path(VELMARA_DATA_DIR) / "pictures";

QImage Load(const char* name) { return QImage(QString::fromStdString((Pictures / name).string())); }

int OpaquePixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += qAlpha(image.pixel(x, y)) > 128;
  return count;
}

TEST(Pictures, EveryPictureIsThereAtItsSize) {
  const struct {
    const char* file;
    int width, height;
  } pictures[] = {
      {"VOVI_GREEN_LED.png", 16, 16}, {"VOVI_MASK_LED.png", 16, 16}, {"CURSORLEFT.png", 32, 32},
      {"CURSORRIGHT.png", 32, 32},    {"Sprite1.png", 128, 64},      {"SpriteDanger.png", 64, 64},
      {"RWNCursor.png", 64, 64},      {"TVPCursor.png", 64, 64},     {"MVCursor.png", 64, 64},
      {"splash.png", 480, 300},
  };
  for (const auto& picture : pictures) {
    const QImage image = Load(picture.file);
    ASSERT_FALSE(image.isNull()) << picture.file;
    EXPECT_EQ(image.size(), QSize(picture.width, picture.height)) << picture.file;
    EXPECT_GT(OpaquePixels(image, image.rect()), image.width() * image.height() / 20) << picture.file;
  }
}

TEST(Pictures, ImageListsAreStripsWithAPictureInEveryCell) {
  const QImage light = Load("toolbar-light.png"), dark = Load("toolbar-dark.png");
  ASSERT_FALSE(light.isNull());
  ASSERT_EQ(light.size(), dark.size());
  ASSERT_EQ(light.height(), 32);
  ASSERT_EQ(light.width() % 32, 0);
  const int cells = light.width() / 32;
  EXPECT_GE(cells, 27);  // the moon button takes picture 26 in the light scheme
  const auto cell = [](int i) { return QRect(i * 32, 0, 32, 32); };
  for (int i = 0; i < cells; ++i) {
    EXPECT_GT(OpaquePixels(light, cell(i)), 20) << "light picture " << i;
    EXPECT_GT(OpaquePixels(dark, cell(i)), 20) << "dark picture " << i;
  }
  // The dark list draws in light ink: the cameras picture is brighter there.
  const auto brightness = [&](const QImage& image, int i) {
    long sum = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = i * 32; x < i * 32 + 32; ++x)
        if (qAlpha(image.pixel(x, y)) > 128) sum += qGray(image.pixel(x, y));
    return sum / std::max(1, OpaquePixels(image, cell(i)));
  };
  EXPECT_GT(brightness(dark, 0), brightness(light, 0) + 100);
  // The plotter button's two pictures and the moon's two pictures are different pictures.
  EXPECT_NE(light.copy(cell(11)), light.copy(cell(18)));
  EXPECT_NE(light.copy(cell(13)), light.copy(cell(26)));
}

TEST(Pictures, KeyColoursMasksAndHotSpots) {
  // Mark sprites take their transparent colour from the top-left pixel: black, around the picture.
  for (const char* sprite : {"Sprite1.png", "SpriteDanger.png"}) {
    const QImage image = Load(sprite);
    ASSERT_FALSE(image.isNull()) << sprite;
    EXPECT_EQ(image.pixel(0, 0), qRgba(0, 0, 0, 255)) << sprite;
    EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), image.pixel(0, 0)) << sprite;
  }
  // The lamp mask is white where the lamp shows and black round it; the lamp is green there.
  const QImage mask = Load("VOVI_MASK_LED.png"), lamp = Load("VOVI_GREEN_LED.png");
  EXPECT_EQ(QColor(mask.pixel(0, 0)), QColor(Qt::black));
  EXPECT_EQ(QColor(mask.pixel(8, 8)), QColor(Qt::white));
  const QColor lit(lamp.pixel(9, 9));
  EXPECT_GT(lit.green(), 2 * std::max(lit.red(), lit.blue()));
  // Cursors and cursor sprites are transparent round the picture; the mouse cursors are drawn at
  // their hot spot, the centre.
  for (const char* cursor : {"CURSORLEFT.png", "CURSORRIGHT.png", "RWNCursor.png", "TVPCursor.png", "MVCursor.png"}) {
    const QImage image = Load(cursor);
    ASSERT_FALSE(image.isNull()) << cursor;
    EXPECT_EQ(qAlpha(image.pixel(0, image.height() - 1)), 0) << cursor;
    EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, 0)), 0) << cursor;
  }
  for (const char* cursor : {"CURSORLEFT.png", "CURSORRIGHT.png"})
    EXPECT_GT(qAlpha(Load(cursor).pixel(16, 16)), 128) << cursor;
  EXPECT_NE(Load("CURSORLEFT.png"), Load("CURSORRIGHT.png"));
}

}  // namespace
}  // namespace velmara
