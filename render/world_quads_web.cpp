// World quads in the browser: one small WebGL program, its vertices in a
// buffer of its own. A run of quad draws binds the program, the buffer and
// the attributes once and keeps them bound; the GL emulation draws with any
// program bound, so a display list's replay ends the run first
// (display_lists_web.cpp). Each WebGL call costs a still page's frame a few
// microseconds of its main thread.
#define GL_GLEXT_PROTOTYPES
#include <GLES2/gl2.h>

#include <cstdio>

#include "render/page_quads.h"
#include "render/world.h"

namespace {

// World units to clip space, over the whole viewport as the desktop's
// projection puts them; the texel times the colour, as fixed function's
// modulation gives it, with fully clear texels left alone.
constexpr const char* kVertexShader = R"(
attribute vec2 a_place;
attribute vec2 a_texel;
uniform vec4 u_world;
varying vec2 v_texel;
void main() {
  gl_Position = vec4(a_place * u_world.xy + u_world.zw, 0.0, 1.0);
  v_texel = a_texel;
}
)";
constexpr const char* kFragmentShader = R"(
precision mediump float;
uniform sampler2D u_texture;
uniform vec4 u_colour;
uniform float u_textured;
varying vec2 v_texel;
void main() {
  vec4 colour = u_colour * mix(vec4(1.0), texture2D(u_texture, v_texel),
                               u_textured);
  if (colour.a <= 0.0) discard;
  gl_FragColor = colour;
}
)";

constexpr GLuint kPlace = 0;
constexpr GLuint kTexel = 1;

GLuint compiled(GLenum type, const char* source) {
  const GLuint shader = glCreateShader(type);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  return shader;
}

struct QuadProgram {
  GLuint program = 0;
  GLuint buffer = 0;
  GLint colour = -1;
  GLint textured = -1;
  std::vector<GLfloat> vertices;  // kept, so a draw allocates nothing
  bool bound = false;             // a run of quad draws is under way
  // The uniforms as last set: only this program's draws change them.
  TextColour colourSet{1.0f, 1.0f, 1.0f, 1.0f};
  float texturedSet = 0.0f;

  QuadProgram() {
    program = glCreateProgram();
    glAttachShader(program, compiled(GL_VERTEX_SHADER, kVertexShader));
    glAttachShader(program, compiled(GL_FRAGMENT_SHADER, kFragmentShader));
    glBindAttribLocation(program, kPlace, "a_place");
    glBindAttribLocation(program, kTexel, "a_texel");
    glLinkProgram(program);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE)
      std::fputs("linkloom: the browser's quad program did not link\n", stderr);
    glUseProgram(program);
    glUniform4f(glGetUniformLocation(program, "u_world"),
                2.0f / (kWorldRight - kWorldLeft),
                2.0f / (kWorldTop - kWorldBottom),
                -(kWorldRight + kWorldLeft) / (kWorldRight - kWorldLeft),
                -(kWorldTop + kWorldBottom) / (kWorldTop - kWorldBottom));
    glUniform1i(glGetUniformLocation(program, "u_texture"), 0);
    colour = glGetUniformLocation(program, "u_colour");
    textured = glGetUniformLocation(program, "u_textured");
    glUniform4f(colour, colourSet.red, colourSet.green, colourSet.blue,
                colourSet.alpha);
    glUniform1f(textured, texturedSet);
    glUseProgram(0);
    glGenBuffers(1, &buffer);
  }

  void bind() {
    if (bound) return;
    bound = true;
    glUseProgram(program);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    const GLsizei stride = 4 * sizeof(GLfloat);
    glVertexAttribPointer(kPlace, 2, GL_FLOAT, GL_FALSE, stride, nullptr);
    glVertexAttribPointer(kTexel, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(2 * sizeof(GLfloat)));
    glEnableVertexAttribArray(kPlace);
    glEnableVertexAttribArray(kTexel);
  }

  // As the GL emulation leaves them after its own draws.
  void unbind() {
    if (!bound) return;
    bound = false;
    glDisableVertexAttribArray(kTexel);
    glDisableVertexAttribArray(kPlace);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glUseProgram(0);
  }

  void setUniforms(const TextColour& wanted, float wantedTextured) {
    if (wanted.red != colourSet.red || wanted.green != colourSet.green ||
        wanted.blue != colourSet.blue || wanted.alpha != colourSet.alpha) {
      colourSet = wanted;
      glUniform4f(colour, wanted.red, wanted.green, wanted.blue, wanted.alpha);
    }
    if (wantedTextured != texturedSet) {
      texturedSet = wantedTextured;
      glUniform1f(textured, wantedTextured);
    }
  }
};

QuadProgram& quadProgram() {
  static QuadProgram instance;
  return instance;
}

// Two triangles a quad, each vertex x, y, s, t (s, t zero when flat).
void fillTriangles(const std::vector<float>& corners, bool textured,
                   std::vector<GLfloat>& vertices) {
  const std::size_t perCorner = textured ? 4 : 2;
  const std::size_t quads = corners.size() / (4 * perCorner);
  vertices.clear();
  for (std::size_t quad = 0; quad < quads; ++quad) {
    const float* first = corners.data() + quad * 4 * perCorner;
    for (const int corner : {0, 1, 2, 0, 2, 3}) {
      const float* at = first + corner * perCorner;
      vertices.insert(vertices.end(), {at[0], at[1], textured ? at[2] : 0.0f,
                                       textured ? at[3] : 0.0f});
    }
  }
}

}  // namespace

void drawPageQuads(const std::vector<float>& corners, unsigned texture,
                   const TextColour& colour, bool blended) {
  if (corners.empty()) return;
  QuadProgram& quads = quadProgram();
  const bool textured = texture != 0;
  fillTriangles(corners, textured, quads.vertices);
  // Set at each draw: the sprites' state turns blending on and off
  // between runs without a draw of the emulation's.
  if (blended) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  } else {
    glDisable(GL_BLEND);
  }
  quads.bind();
  quads.setUniforms(colour, textured ? 1.0f : 0.0f);
  if (textured) glBindTexture(GL_TEXTURE_2D, texture);
  glBufferData(GL_ARRAY_BUFFER,
               static_cast<GLsizeiptr>(quads.vertices.size() * sizeof(GLfloat)),
               quads.vertices.data(), GL_STREAM_DRAW);
  glDrawArrays(GL_TRIANGLES, 0,
               static_cast<GLsizei>(quads.vertices.size() / 4));
  if (blended) glDisable(GL_BLEND);
}

void endPageQuads() { quadProgram().unbind(); }

void drawWorldQuads(const std::vector<float>& corners, unsigned texture,
                    const TextColour& colour) {
  drawPageQuads(corners, texture, colour, true);
}
