#include "controls/hud/GLKVTMenu.h"

#include <algorithm>

namespace velmara {

std::vector<std::string> TGLKVTMenu::Titles() const {
  std::vector<std::string> titles;
  for (const TGLKVTMenuLine& line : lines_) titles.push_back(line.Title);
  return titles;
}

std::vector<std::string> TGLKVTMenu::Items() const {
  std::vector<std::string> items;
  for (const TGLKVTMenuLine& line : lines_) items.push_back(line.Item);
  return items;
}

void TGLKVTMenu::SetTitles(const std::vector<std::string>& titles) {
  lines_.clear();
  for (const std::string& title : titles) lines_.push_back({title, {}, true, true});
  SetSelected(selected_);
}

void TGLKVTMenu::ClearItems() {
  for (TGLKVTMenuLine& line : lines_) line.Item.clear();
}

int TGLKVTMenu::IndexOfTitle(std::string_view title) const {
  const auto found = std::find_if(lines_.begin(), lines_.end(), [&](const auto& line) { return line.Title == title; });
  return found == lines_.end() ? -1 : static_cast<int>(found - lines_.begin());
}

bool TGLKVTMenu::SetItem(std::string_view title, std::string text) {
  const int index = IndexOfTitle(title);
  if (index < 0) return false;
  lines_[static_cast<std::size_t>(index)].Item = std::move(text);
  return true;
}

void TGLKVTMenu::SetSelected(int index) {
  if (index < 0 || index >= static_cast<int>(lines_.size())) index = -1;
  if (index == selected_) return;
  selected_ = index;
  if (OnSelectedChanged) OnSelectedChanged(selected_);
}

float TGLKVTMenu::ScaleFor(int viewWidth) const {
  if (MenuScale == TGLMenuScale::gms1024x768 && ScreenWidth > 0.0f && viewWidth > 0)
    return static_cast<float>(viewWidth) / ScreenWidth;
  return 1.0f;
}

float TGLKVTMenu::LineHeight() const {
  float height = TitleHeight;
  if (Font) height = std::max(height, static_cast<float>(Font->lineHeight()));
  if (const scene::BitmapFont* title = TitleFont()) height = std::max(height, static_cast<float>(title->lineHeight()));
  return height;
}

float TGLKVTMenu::ValueWidth() const {
  float width = 0.0f;
  if (!Font) return width;
  for (const TGLKVTMenuLine& line : lines_)
    if (line.Visible) width = std::max(width, Font->measure(line.Item).x);
  return width;
}

std::vector<TGLKVTMenu::Row> TGLKVTMenu::Rows() const {
  std::vector<Row> rows;
  float top = MarginVert;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (!lines_[i].Visible) continue;
    rows.push_back({static_cast<int>(i), top});
    top += LineHeight() + Spacing;
  }
  return rows;
}

glm::vec4 TGLKVTMenu::BackRect(int viewWidth) const {
  const std::size_t rows = Rows().size();
  if (rows == 0) return glm::vec4(0.0f);
  const float s = ScaleFor(viewWidth);
  const float width = 2.0f * MarginHorz + TitleWidth + ValueWidth();
  const float height = 2.0f * MarginVert + static_cast<float>(rows) * LineHeight() + static_cast<float>(rows - 1) * Spacing;
  const glm::vec2 origin = screenPosition();
  return {origin, origin + glm::vec2(width, height) * s};
}

int TGLKVTMenu::LineAt(const glm::vec2& point, int viewWidth) const {
  const glm::vec4 back = BackRect(viewWidth);
  if (point.x < back.x || point.x >= back.z) return -1;
  const float s = ScaleFor(viewWidth);
  for (const Row& row : Rows()) {
    const float top = back.y + row.top * s;
    if (point.y >= top && point.y < top + LineHeight() * s) return row.line;
  }
  return -1;
}

const scene::Colour& TGLKVTMenu::ColourOf(int line) const {
  if (!lines_[static_cast<std::size_t>(line)].Enabled) return DisabledColor;
  return line == selected_ ? ActiveColor : InactiveColor;
}

void TGLKVTMenu::paint(scene::HudCanvas& canvas) const {
  lastViewWidth_ = canvas.width();
  const std::vector<Row> rows = Rows();
  if (rows.empty()) return;
  const glm::vec4 back = BackRect(canvas.width());
  canvas.fillRect({back.x, back.y}, {back.z - back.x, back.w - back.y}, BackColor);

  const float s = ScaleFor(canvas.width());
  const scene::Material* titleMaterial =
      MaterialLibrary && !TitleMaterialName.empty() ? MaterialLibrary->find(TitleMaterialName) : nullptr;
  const scene::Image* titlePicture = titleMaterial && titleMaterial->texture.active() ? titleMaterial->texture.image.get() : nullptr;
  const glm::vec2 origin = screenPosition();
  for (const Row& row : rows) {
    const TGLKVTMenuLine& line = lines_[static_cast<std::size_t>(row.line)];
    const scene::Colour& colour = ColourOf(row.line);
    const glm::vec2 titleAt = origin + glm::vec2(MarginHorz, row.top) * s;
    if (titlePicture)
      canvas.drawImage(*titlePicture, titleAt, glm::vec2(TitleWidth, LineHeight()) * s, {1.0f, 1.0f, 1.0f, colour.a});
    if (const scene::BitmapFont* title = TitleFont())
      canvas.drawText(*title, line.Title, titleAt, colour, scene::TextAlignment::Left, s);
    if (Font)
      canvas.drawText(*Font, line.Item, titleAt + glm::vec2(TitleWidth * s, 0.0f), colour, scene::TextAlignment::Left, s);
  }
}

}  // namespace velmara
