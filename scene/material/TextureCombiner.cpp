#include "scene/material/TextureCombiner.h"

#include <array>
#include <cctype>
#include <optional>
#include <stdexcept>

namespace velmara::scene {
namespace {

struct Node {
  enum class Kind { Texture, Primary, Environment, Previous, Call, Binary };
  Kind kind = Kind::Primary;
  int unit = 0;               // Texture
  std::string name;           // Call: canonical function name; Binary: the operator
  std::vector<Node> arguments;
};

struct Function {
  const char* name;
  int arity;
};
constexpr std::array<Function, 7> kFunctions{{{"Dot3", 2},
                                              {"Interpolate", 3},
                                              {"Modulate", 2},
                                              {"Add", 2},
                                              {"AddSigned", 2},
                                              {"Subtract", 2},
                                              {"Replace", 1}}};

bool sameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

struct ParseError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Recursive descent over one line.
class LineParser {
public:
  explicit LineParser(std::string_view text) : text_(text) {}

  // nullopt for a line with nothing in it.
  std::optional<std::pair<int, Node>> parse() {
    skipBlanks();
    if (atEnd() || peek() == ';') {
      expectEnd();
      return std::nullopt;
    }
    const std::string destination = word();
    const std::optional<int> unit = textureUnit(destination);
    if (!unit) throw ParseError("expected a destination Tex0 … Tex3 before ':=', found '" + destination + "'");
    destinationUnit_ = *unit;
    skipBlanks();
    if (text_.substr(position_, 2) != ":=") throw ParseError("expected ':=' after " + destination);
    position_ += 2;
    Node expression = sum();
    expectEnd();
    return std::make_pair(*unit, std::move(expression));
  }

private:
  bool atEnd() const { return position_ >= text_.size(); }
  char peek() const { return text_[position_]; }
  void skipBlanks() {
    while (!atEnd() && std::isspace(static_cast<unsigned char>(peek()))) ++position_;
  }
  void expectEnd() {
    skipBlanks();
    if (!atEnd() && peek() == ';') ++position_;
    skipBlanks();
    if (!atEnd()) throw ParseError("unexpected '" + std::string(text_.substr(position_)) + "' at the end");
  }
  std::string word() {
    skipBlanks();
    const std::size_t start = position_;
    while (!atEnd() && (std::isalnum(static_cast<unsigned char>(peek())) || peek() == '_')) ++position_;
    return std::string(text_.substr(start, position_ - start));
  }
  static std::optional<int> textureUnit(std::string_view name) {
    if (name.size() == 4 && sameWord(name.substr(0, 3), "Tex") && name[3] >= '0' && name[3] <= '3') {
      return name[3] - '0';
    }
    return std::nullopt;
  }
  bool take(char c) {
    skipBlanks();
    if (!atEnd() && peek() == c) {
      ++position_;
      return true;
    }
    return false;
  }

  Node sum() {
    Node left = product();
    for (;;) {
      if (take('+')) {
        left = binary("+", std::move(left), product());
      } else if (take('-')) {
        left = binary("-", std::move(left), product());
      } else {
        return left;
      }
    }
  }
  Node product() {
    Node left = factor();
    while (take('*')) left = binary("*", std::move(left), factor());
    return left;
  }
  static Node binary(std::string op, Node left, Node right) {
    Node node;
    node.kind = Node::Kind::Binary;
    node.name = std::move(op);
    node.arguments.push_back(std::move(left));
    node.arguments.push_back(std::move(right));
    return node;
  }
  Node factor() {
    if (take('(')) {
      Node inner = sum();
      if (!take(')')) throw ParseError("missing ')'");
      return inner;
    }
    const std::string name = word();
    if (name.empty()) {
      if (atEnd()) throw ParseError("the expression ends too early");
      throw ParseError(std::string("unexpected '") + peek() + "'");
    }
    if (take('(')) return call(name);
    return operand(name);
  }
  Node call(const std::string& name) {
    const Function* function = nullptr;
    for (const Function& f : kFunctions) {
      if (sameWord(f.name, name)) function = &f;
    }
    if (!function) throw ParseError("unknown function '" + name + "'");
    Node node;
    node.kind = Node::Kind::Call;
    node.name = function->name;
    if (!take(')')) {
      do {
        node.arguments.push_back(sum());
      } while (take(','));
      if (!take(')')) throw ParseError("missing ')' after the arguments of " + node.name);
    }
    if (static_cast<int>(node.arguments.size()) != function->arity) {
      throw ParseError(node.name + " takes " + std::to_string(function->arity) + " argument" +
                       (function->arity == 1 ? "" : "s") + ", got " + std::to_string(node.arguments.size()));
    }
    return node;
  }
  Node operand(const std::string& name) {
    Node node;
    if (const std::optional<int> unit = textureUnit(name)) {
      if (*unit > destinationUnit_) {
        throw ParseError(name + " is not known yet on unit " + std::to_string(destinationUnit_) +
                         " (units are computed in order)");
      }
      node.kind = Node::Kind::Texture;
      node.unit = *unit;
    } else if (sameWord(name, "PrimaryColor") || sameWord(name, "PrimaryColour") || sameWord(name, "Primary") ||
               sameWord(name, "Col")) {
      node.kind = Node::Kind::Primary;
    } else if (sameWord(name, "EnvCol") || sameWord(name, "EnvColor") || sameWord(name, "EnvColour") ||
               sameWord(name, "Constant")) {
      node.kind = Node::Kind::Environment;
    } else if (sameWord(name, "Previous")) {
      node.kind = Node::Kind::Previous;
    } else {
      throw ParseError("unknown operand '" + name + "'");
    }
    return node;
  }

  std::string_view text_;
  std::size_t position_ = 0;
  int destinationUnit_ = 0;
};

int precedence(const Node& node) {
  if (node.kind != Node::Kind::Binary) return 3;
  return node.name == "*" ? 2 : 1;
}

std::string spell(const Node& node, int unit, bool glsl, unsigned& sampled) {
  const auto argument = [&](std::size_t i) { return spell(node.arguments[i], unit, glsl, sampled); };
  switch (node.kind) {
    case Node::Kind::Texture:
      if (node.unit == unit) sampled |= 1u << unit;
      if (!glsl) return "Tex" + std::to_string(node.unit);
      return (node.unit == unit ? "t" : "u") + std::to_string(node.unit);
    case Node::Kind::Primary:
      return glsl ? "primary" : "PrimaryColor";
    case Node::Kind::Environment:
      return glsl ? "u_envColour[" + std::to_string(unit) + "].rgb" : "EnvCol";
    case Node::Kind::Previous:
      if (!glsl) return "Previous";
      return unit == 0 ? "primary" : "u" + std::to_string(unit - 1);
    case Node::Kind::Call: {
      if (!glsl) {
        std::string text = node.name + "(";
        for (std::size_t i = 0; i < node.arguments.size(); ++i) text += (i ? ", " : "") + argument(i);
        return text + ")";
      }
      if (node.name == "Dot3") return "vec3(clamp(4.0 * dot(" + argument(0) + " - 0.5, " + argument(1) + " - 0.5), 0.0, 1.0))";
      if (node.name == "Interpolate") return "mix(" + argument(1) + ", " + argument(0) + ", " + argument(2) + ")";
      if (node.name == "Modulate") return "(" + argument(0) + " * " + argument(1) + ")";
      if (node.name == "Add") return "(" + argument(0) + " + " + argument(1) + ")";
      if (node.name == "AddSigned") return "(" + argument(0) + " + " + argument(1) + " - 0.5)";
      if (node.name == "Subtract") return "(" + argument(0) + " - " + argument(1) + ")";
      return "(" + argument(0) + ")";  // Replace
    }
    case Node::Kind::Binary: {
      const int own = precedence(node);
      // Parenthesise a side that binds looser, and a right side of equal rank under '-'.
      std::string left = argument(0);
      std::string right = argument(1);
      if (precedence(node.arguments[0]) < own) left = "(" + left + ")";
      if (precedence(node.arguments[1]) < own || (precedence(node.arguments[1]) == own && node.name == "-")) {
        right = "(" + right + ")";
      }
      return glsl ? "(" + left + " " + node.name + " " + right + ")" : left + node.name + right;
    }
  }
  return {};
}

}  // namespace

Result<TextureCombiner> TextureCombiner::parse(const std::vector<std::string>& lines) {
  std::array<std::optional<Node>, kMaxUnits> units;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    try {
      auto parsed = LineParser(lines[i]).parse();
      if (!parsed) continue;
      if (units[parsed->first]) {
        throw ParseError("unit Tex" + std::to_string(parsed->first) + " is computed by an earlier line already");
      }
      units[parsed->first] = std::move(parsed->second);
    } catch (const ParseError& error) {
      return Result<TextureCombiner>::failure("texture combiner line " + std::to_string(i + 1) + " \"" + lines[i] +
                                              "\": " + error.what());
    }
  }

  TextureCombiner combiner;
  combiner.lines_ = lines;
  for (int unit = 0; unit < kMaxUnits; ++unit) {
    if (units[unit]) combiner.unitCount_ = unit + 1;
  }
  for (int unit = 0; unit < combiner.unitCount_; ++unit) {
    const std::string name = "u" + std::to_string(unit);
    if (!units[unit]) {
      // A unit without a line passes the colour so far on, as an unused unit did.
      combiner.glsl_ += "vec3 " + name + " = " + (unit == 0 ? "primary" : "u" + std::to_string(unit - 1)) + ";\n";
      continue;
    }
    unsigned ignored = 0;
    combiner.canonical_.push_back("Tex" + std::to_string(unit) + ":=" + spell(*units[unit], unit, false, ignored));
    combiner.glsl_ += "vec3 " + name + " = clamp(" + spell(*units[unit], unit, true, combiner.sampledUnits_) +
                      ", 0.0, 1.0);\n";
  }
  if (combiner.unitCount_ > 0) combiner.glsl_ += "vec3 combined = u" + std::to_string(combiner.unitCount_ - 1) + ";\n";
  return combiner;
}

}  // namespace velmara::scene
