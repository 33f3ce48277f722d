#include "scene/render/MaterialShader.h"

#include <functional>

namespace velmara::scene {
namespace {

// Lighting is per vertex, as GL's fixed-function lighting was: the look the scene was designed
// with, and cheap where fragments are expensive (software rasterisers). Both faces' colours are
// computed, the rasteriser picks the one facing the camera.
const char* kVertex = R"(
layout(location = 0) in vec3 a_position;
layout(location = 1) in vec3 a_normal;
layout(location = 2) in vec2 a_texcoord;
#ifdef INSTANCED
layout(location = 4) in mat4 i_model;
layout(location = 8) in vec4 i_diffuse;
layout(location = 9) in vec4 i_ambient;
layout(location = 10) in vec4 i_emission;
layout(location = 11) in vec4 i_specular;
layout(location = 12) in vec4 i_flags;
#else
uniform mat4 i_model;
uniform vec4 i_diffuse;
uniform vec4 i_ambient;
uniform vec4 i_emission;
uniform vec4 i_specular;
uniform vec4 i_flags;
#endif
uniform mat4 u_viewProjection;
uniform vec3 u_cameraRight;
uniform vec3 u_cameraUp;
uniform vec3 u_eye;
uniform vec4 u_sceneAmbient;
uniform int u_lightCount;
uniform vec4 u_lightPosition[8];
uniform vec4 u_lightAmbient[8];
uniform vec4 u_lightDiffuse[8];
uniform vec4 u_lightSpecular[8];
uniform int u_twoSided;  // back faces are seen (not culled): light them too

out vec4 v_front;
out vec4 v_back;
#ifdef TEXTURED
out vec3 v_object;
out vec2 v_texcoord;
#endif

vec4 litColour(vec3 world, vec3 normal) {
  vec3 colour = i_emission.rgb + u_sceneAmbient.rgb * i_ambient.rgb;
  vec3 toEye = normalize(u_eye - world);
  for (int i = 0; i < u_lightCount; ++i) {
    vec3 toLight = u_lightPosition[i].w == 0.0 ? normalize(u_lightPosition[i].xyz)
                                               : normalize(u_lightPosition[i].xyz - world);
    float diffuse = max(dot(normal, toLight), 0.0);
    colour += u_lightAmbient[i].rgb * i_ambient.rgb + diffuse * u_lightDiffuse[i].rgb * i_diffuse.rgb;
    if (diffuse > 0.0 && i_specular.a > 0.0) {
      float facing = max(dot(normal, normalize(toLight + toEye)), 0.0);
      colour += pow(facing, i_specular.a) * u_lightSpecular[i].rgb * i_specular.rgb;
    }
  }
  return vec4(clamp(colour, 0.0, 1.0), i_diffuse.a);
}

void main() {
#ifdef BILLBOARD
  // model[0].x, model[1].y: size; model[2].xy: cosine and sine of the turn; model[3]: centre.
  vec2 corner = a_position.xy * vec2(i_model[0].x, i_model[1].y);
  vec2 turned = vec2(i_model[2].x * corner.x - i_model[2].y * corner.y,
                     i_model[2].y * corner.x + i_model[2].x * corner.y);
  vec3 world = i_model[3].xyz + u_cameraRight * turned.x + u_cameraUp * turned.y;
  vec3 normal = cross(u_cameraRight, u_cameraUp);
#else
  vec3 world = (i_model * vec4(a_position, 1.0)).xyz;
  // Normals by the cofactor matrix: right for any scale, no inverse needed.
  mat3 m = mat3(i_model);
  mat3 cofactor = mat3(cross(m[1], m[2]), cross(m[2], m[0]), cross(m[0], m[1]));
  vec3 normal = normalize(cofactor * a_normal * sign(dot(m[0], cross(m[1], m[2]))));
#endif
  if (i_flags.x > 0.5) {
    v_front = litColour(world, normal);
    v_back = u_twoSided != 0 ? litColour(world, -normal) : v_front;
  } else {
    v_front = i_diffuse;
    v_back = i_diffuse;
  }
#ifdef TEXTURED
  v_object = a_position;
  v_texcoord = a_texcoord;
#endif
  gl_Position = u_viewProjection * vec4(world, 1.0);
}
)";

const char* kFragmentHead = R"(
in vec4 v_front;
in vec4 v_back;
#ifdef TEXTURED
in vec3 v_object;
in vec2 v_texcoord;

uniform int u_texgen[4];
uniform vec4 u_planeS[4];
uniform vec4 u_planeT[4];
uniform vec4 u_texTransform[4];  // offset in xy, scale in zw
uniform vec4 u_envColour[4];
uniform sampler2D u_texture0;
uniform sampler2D u_texture1;
uniform sampler2D u_texture2;
uniform sampler2D u_texture3;

vec2 unitCoord(int unit) {
  vec2 coord = v_texcoord;
  if (u_texgen[unit] != 0) {
    vec4 point = vec4(v_object, 1.0);
    coord = vec2(dot(u_planeS[unit], point), dot(u_planeT[unit], point));
  }
  return coord * u_texTransform[unit].zw + u_texTransform[unit].xy;
}
#endif
uniform int u_opaque;

out vec4 fragColour;
)";

std::string unitTexels(int units) {
  std::string code;
  for (int unit = 0; unit < units; ++unit) {
    const std::string n = std::to_string(unit);
    code += "  vec4 texel" + n + " = texture(u_texture" + n + ", unitCoord(" + n + "));\n";
  }
  return code;
}

std::string fragmentBody(const MaterialShaderKey& key) {
  std::string body = "void main() {\n";
  body += "  vec4 surface = gl_FrontFacing ? v_front : v_back;\n  vec4 colour = surface;\n";
  body += unitTexels(key.units);
  if (!key.combiner.empty()) {
    body += "  vec3 primary = surface.rgb;\n";
    for (int unit = 0; unit < 4; ++unit) {
      const std::string n = std::to_string(unit);
      body += unit < key.units ? "  vec3 t" + n + " = texel" + n + ".rgb;\n" : "  vec3 t" + n + " = vec3(1.0);\n";
    }
    body += key.combiner;
    body += "  colour = vec4(combined, surface.a);\n";
  } else if (key.units > 0) {
    switch (key.mode) {
      case TextureMode::Replace:
        body += "  colour = texel0;\n";
        break;
      case TextureMode::Modulate:
        body += "  colour = surface * texel0;\n";
        break;
      case TextureMode::Decal:
        body += "  colour = vec4(mix(surface.rgb, texel0.rgb, texel0.a), surface.a);\n";
        break;
    }
    if (key.units > 1) body += "  colour *= texel1;\n";
  }
  if (key.alphaTest) body += "  if (" + std::string(key.units > 0 ? "texel0.a" : "colour.a") + " < 0.5) discard;\n";
  body += "  if (u_opaque != 0) colour.a = 1.0;\n";
  body += "  fragColour = colour;\n}\n";
  return body;
}

}  // namespace

std::size_t MaterialShaderKeyHash::operator()(const MaterialShaderKey& key) const {
  std::size_t hash = std::hash<std::string>()(key.combiner);
  const std::size_t bits = (key.instanced ? 1u : 0u) | (key.billboard ? 2u : 0u) | (key.alphaTest ? 4u : 0u) |
                           (static_cast<std::size_t>(key.units) << 3) | (static_cast<std::size_t>(key.mode) << 6);
  return hash ^ (bits * 0x9E3779B97F4A7C15ull);
}

MaterialShaderSource materialShaderSource(const MaterialShaderKey& key) {
  std::string defines = "#version 330 core\n";
  if (key.instanced) defines += "#define INSTANCED\n";
  if (key.billboard) defines += "#define BILLBOARD\n";
  if (key.units > 0) defines += "#define TEXTURED\n";
  return {defines + kVertex, defines + kFragmentHead + fragmentBody(key)};
}

}  // namespace velmara::scene
