// make-pictures: the program's pictures, drawn as SVG under resources/pictures/ and rendered to
// PNG into data/pictures/: the tool-bar image lists (one strip of square cells each, light and
// dark), the status lamp and its mask, the two drag cursors, the sprite textures and the splash.
// Usage: make-pictures <svg folder> <output folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int Cell = 32;

// The dark image list draws the same pictures in light ink for the dark panel face.
const std::pair<const char*, const char*> DarkInks[] = {{"#202020", "#f0f0f0"}, {"#1060c0", "#80c8ff"}};

QByteArray ReadSvg(const QString& file) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return {};
  return in.readAll();
}

bool Render(const QByteArray& svg, QImage& image, const QRect& where) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return false;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, where);
  return true;
}

bool Fail(const QString& what) {
  std::fprintf(stderr, "make-pictures: %s\n", qPrintable(what));
  return false;
}

bool RenderPicture(const QDir& source, const QDir& output, const QString& name) {
  const QByteArray svg = ReadSvg(source.filePath(name + ".svg"));
  const QSize size = QSvgRenderer(svg).defaultSize();
  if (svg.isEmpty() || size.isEmpty()) return Fail("cannot read " + source.filePath(name + ".svg"));
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  if (!Render(svg, image, image.rect()) || !image.save(output.filePath(name + ".png")))
    return Fail("cannot render " + name);
  return true;
}

// toolbar/NN-name.svg in index order, every index from 0 present.
bool RenderImageLists(const QDir& source, const QDir& output) {
  const QDir folder(source.filePath("toolbar"));
  const QStringList files = folder.entryList({"*.svg"}, QDir::Files, QDir::Name);
  for (int i = 0; i < files.size(); ++i)
    if (files[i].left(2).toInt() != i || files[i][2] != '-') return Fail("tool-bar picture " + QString::number(i) + " missing");
  for (const bool dark : {false, true}) {
    QImage strip(Cell * static_cast<int>(files.size()), Cell, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    for (int i = 0; i < files.size(); ++i) {
      QByteArray svg = ReadSvg(folder.filePath(files[i]));
      if (dark)
        for (const auto& [light, replacement] : DarkInks) svg.replace(light, replacement);
      if (!Render(svg, strip, QRect(i * Cell, 0, Cell, Cell))) return Fail("cannot render " + files[i]);
    }
    const QString name = dark ? "toolbar-dark.png" : "toolbar-light.png";
    if (!strip.save(output.filePath(name))) return Fail("cannot write " + name);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts for the text of the pictures
  if (argc != 3) {
    std::fprintf(stderr, "usage: make-pictures <svg folder> <output folder>\n");
    return 2;
  }
  const QDir source(QString::fromLocal8Bit(argv[1]));
  QDir output(QString::fromLocal8Bit(argv[2]));
  if (!output.mkpath(".")) {
    Fail("cannot create " + output.path());
    return 1;
  }
  bool ok = RenderImageLists(source, output);
  for (const char* name : {"VOVI_GREEN_LED", "VOVI_MASK_LED", "CURSORLEFT", "CURSORRIGHT", "Sprite1", "SpriteDanger",
                           "RWNCursor", "TVPCursor", "MVCursor", "splash"})
    ok = RenderPicture(source, output, name) && ok;
  return ok ? 0 : 1;
}
