#pragma once
// Records the 3D view into a video file: Motion-JPEG frames in an AVI container, one frame for
// every addFrame() call, played back at the rate given to start().
//
// The size is fixed when the recording starts (the view's size then). A frame of another size
// (the window was resized while recording) is scaled to the recording's size, so a recording
// never breaks off because the skipper dragged the window edge; the picture is stretched, not
// cropped. The file is only complete after stop() (or the destructor) has written the index.
//
// A recorder that could not start records nothing and leaves no file behind. A start while a
// recording runs is refused and the running recording goes on untouched.
//
// Not thread-safe: one thread (the main thread, which owns the view) calls everything.

#include "scene/Status.h"
#include "scene/material/Image.h"

#include <cstdint>
#include <filesystem>
#include <memory>

namespace velmara::scene {

class ViewRecorder {
public:
  // JPEG can describe at most 65535 pixels a side; larger than any screen we draw on anyway.
  static constexpr int MaxSide = 16384;
  static constexpr int MaxFramesPerSecond = 240;

  ViewRecorder();
  // Finishes a running recording.
  ~ViewRecorder();
  ViewRecorder(const ViewRecorder&) = delete;
  ViewRecorder& operator=(const ViewRecorder&) = delete;
  ViewRecorder(ViewRecorder&&) noexcept;
  ViewRecorder& operator=(ViewRecorder&&) noexcept;

  // Creates (or replaces) the file and writes its header. Fails, recording nothing and leaving no
  // file, when a recording already runs, the size or rate is out of range, the encoder is missing
  // from the FFmpeg build, or the file cannot be written.
  Status start(const std::filesystem::path& path, int width, int height, int framesPerSecond);

  // Encodes one frame (RGBA, top row first). Fails for an empty image or when no recording runs;
  // a write error (disk full) also ends the recording, keeping what was written so far.
  Status addFrame(const Image& frame);

  // Flushes the encoder, writes the index and closes the file. Without a recording it does nothing.
  Status stop();

  bool isRecording() const;
  // Of the running (or last) recording.
  int width() const;
  int height() const;
  std::int64_t framesWritten() const;
  const std::filesystem::path& path() const;

private:
  struct Encoder;
  std::unique_ptr<Encoder> encoder_;
  std::filesystem::path path_;
  int width_ = 0;
  int height_ = 0;
  std::int64_t frames_ = 0;
};

}  // namespace velmara::scene
