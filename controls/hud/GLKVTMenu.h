#pragma once
// The heads-up information menu drawn over the 3D view (the main window's hudDisplayInfo): lines of
// a title column and a value column on a see-through background. The owners of the lines write
// their values into the item texts; hidden lines take no room.
//
// Layout, in pixels from the menu's screen position: MarginVert, then every visible line one
// under the other (line height: TitleHeight, or the taller font's line height when that is more),
// Spacing between lines, MarginVert at the bottom. Titles start at MarginHorz, values at
// MarginHorz + TitleWidth; the background spans both columns and MarginHorz on either side.
// With gms1024x768 the whole layout, text included, is scaled by the view's width / ScreenWidth
// (a menu laid out for a 1024-pixel screen keeps its share of a larger view); gmsNormal draws it
// as given.
//
// Colours: titles and values of ordinary lines in InactiveColor, the Selected line in
// ActiveColor, disabled lines in DisabledColor. The title cells show the texture of the material
// TitleMaterialName of MaterialLibrary when there is one, tinted by the line's colour's alpha.
//
// A scene object: the scene owns it; main thread only.

#include "scene/hud/HudObject.h"
#include "scene/material/MaterialLibrary.h"
#include "scene/text/BitmapFont.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmara {

enum class TGLMenuScale { gmsNormal, gms1024x768 };

struct TGLKVTMenuLine {
  std::string Title;
  std::string Item;  // the value text
  bool Visible = true;
  bool Enabled = true;
};

class TGLKVTMenu : public scene::HudObject {
public:
  explicit TGLKVTMenu(std::string name = "hudDisplayInfo") : HudObject(std::move(name)) {}

  scene::MaterialLibrary* MaterialLibrary = nullptr;  // not owned; outlives the menu
  std::string TitleMaterialName;
  TGLMenuScale MenuScale = TGLMenuScale::gmsNormal;
  float MarginHorz = 4.0f;
  float MarginVert = 4.0f;
  float Spacing = 8.0f;
  std::shared_ptr<const scene::BitmapFont> Font;       // values
  std::shared_ptr<const scene::BitmapFont> FontTitle;  // titles; the value font when none
  float TitleWidth = 148.0f;
  float TitleHeight = 0.0f;
  scene::Colour BackColor{1.0f, 1.0f, 1.0f, 0.2f};
  scene::Colour InactiveColor{0.0f, 0.0f, 0.0f, 1.0f};
  scene::Colour ActiveColor{1.0f, 1.0f, 0.0f, 1.0f};
  scene::Colour DisabledColor{0.5f, 0.5f, 0.5f, 1.0f};
  float ScreenWidth = 1024.0f;
  // Called with the new index whenever Selected changes.
  std::function<void(int)> OnSelectedChanged;

  // The lines: Titles and Items are their two columns.
  std::vector<TGLKVTMenuLine>& Lines() { return lines_; }
  const std::vector<TGLKVTMenuLine>& Lines() const { return lines_; }
  std::vector<std::string> Titles() const;
  std::vector<std::string> Items() const;
  // Replaces the lines by one per title, with empty values.
  void SetTitles(const std::vector<std::string>& titles);
  // Clears every value, keeping titles and flags.
  void ClearItems();
  // The line of a title, or -1.
  int IndexOfTitle(std::string_view title) const;
  // Writes the value of the line of a title; false when there is no such line.
  bool SetItem(std::string_view title, std::string text);

  int Selected() const { return selected_; }
  // -1 selects nothing; an index outside the lines is taken as -1.
  void SetSelected(int index);

  bool IsVisible() const { return visible(); }
  void SetIsVisible(bool visible) { setVisible(visible); }

  // The scale in effect on a view of this width.
  float ScaleFor(int viewWidth) const;
  // Where things go on a view of this width: the whole background, and the line at a point
  // (window pixels from the top-left), -1 for none.
  glm::vec4 BackRect(int viewWidth) const;
  int LineAt(const glm::vec2& point, int viewWidth) const;

protected:
  void paint(scene::HudCanvas& canvas) const override;
  // Picks over the background, as laid out on the last view painted.
  glm::vec4 screenRect() const override { return BackRect(lastViewWidth_); }

private:
  struct Row {
    int line = 0;
    float top = 0.0f;  // unscaled, from the menu's top
  };
  std::vector<Row> Rows() const;
  float LineHeight() const;
  float ValueWidth() const;
  const scene::BitmapFont* TitleFont() const { return FontTitle ? FontTitle.get() : Font.get(); }
  const scene::Colour& ColourOf(int line) const;

  std::vector<TGLKVTMenuLine> lines_;
  int selected_ = -1;
  mutable int lastViewWidth_ = 0;
};

}  // namespace velmara
