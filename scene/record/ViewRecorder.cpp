#include "scene/record/ViewRecorder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include <cstring>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace velmara::scene {
namespace {

// Owners for the FFmpeg objects; each frees what it holds and nothing else.
struct OutputDeleter {
  void operator()(AVFormatContext* context) const {
    if (context->pb) avio_closep(&context->pb);
    avformat_free_context(context);
  }
};
struct CodecDeleter {
  void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameDeleter {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketDeleter {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScalerDeleter {
  void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};

using OutputPtr = std::unique_ptr<AVFormatContext, OutputDeleter>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecDeleter>;
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;
using ScalerPtr = std::unique_ptr<SwsContext, ScalerDeleter>;

std::string AvError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  if (av_strerror(code, text, sizeof text) < 0) return "error " + std::to_string(code);
  return text;
}

// JPEG quantiser scale: 2 is near-lossless, 31 the coarsest. 3 keeps thin contour lines and the
// heads-up text readable at a few megabytes a minute for a typical view.
constexpr int kQuality = 3;

}  // namespace

struct ViewRecorder::Encoder {
  OutputPtr output;
  CodecPtr codec;
  AVStream* stream = nullptr;  // owned by output
  FramePtr frame;
  PacketPtr packet;
  ScalerPtr scaler;
  int sourceWidth = 0;
  int sourceHeight = 0;
  // The picture being converted, each row followed by copies of its last pixel: the converter
  // averages chroma over pixel pairs and reads one pixel past the end of an odd-width row.
  std::vector<std::uint8_t> staging;
  int stagingStride = 0;

  void stage(const Image& image) {
    const int width = image.width();
    const int rowBytes = width * 4;
    stagingStride = (rowBytes + 4 + 63) / 64 * 64;
    staging.resize(static_cast<std::size_t>(stagingStride) * image.height());
    const std::uint8_t* source = image.pixels().data();
    for (int y = 0; y < image.height(); ++y) {
      std::uint8_t* row = staging.data() + static_cast<std::size_t>(y) * stagingStride;
      std::memcpy(row, source + static_cast<std::size_t>(y) * rowBytes, static_cast<std::size_t>(rowBytes));
      for (int at = rowBytes; at < stagingStride; at += 4) std::memcpy(row + at, row + rowBytes - 4, 4);
    }
  }

  // Hands every packet the encoder has ready to the file.
  int drainPackets() {
    for (;;) {
      int result = avcodec_receive_packet(codec.get(), packet.get());
      if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return 0;
      if (result < 0) return result;
      av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
      packet->stream_index = stream->index;
      result = av_interleaved_write_frame(output.get(), packet.get());  // unrefs the packet
      if (result < 0) return result;
    }
  }

  // A converter from RGBA of the given size to the frame; remade only when the size changes.
  bool prepareScaler(int width, int height) {
    if (scaler && width == sourceWidth && height == sourceHeight) return true;
    // Full-range BT.601 as JPEG decoders expect; the planes are those of YUVJ420P.
    scaler.reset(sws_getContext(width, height, AV_PIX_FMT_RGBA, codec->width, codec->height, AV_PIX_FMT_YUV420P,
                                SWS_BILINEAR | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
    if (!scaler) return false;
    const int* coefficients = sws_getCoefficients(SWS_CS_ITU601);
    if (sws_setColorspaceDetails(scaler.get(), coefficients, 1, coefficients, 1, 0, 1 << 16, 1 << 16) < 0) {
      scaler.reset();
      return false;
    }
    sourceWidth = width;
    sourceHeight = height;
    return true;
  }
};

ViewRecorder::ViewRecorder() = default;

ViewRecorder::~ViewRecorder() { stop(); }

ViewRecorder::ViewRecorder(ViewRecorder&& other) noexcept
    : encoder_(std::move(other.encoder_)),
      path_(std::move(other.path_)),
      width_(other.width_),
      height_(other.height_),
      frames_(other.frames_) {}

ViewRecorder& ViewRecorder::operator=(ViewRecorder&& other) noexcept {
  if (this != &other) {
    stop();
    encoder_ = std::move(other.encoder_);
    path_ = std::move(other.path_);
    width_ = other.width_;
    height_ = other.height_;
    frames_ = other.frames_;
  }
  return *this;
}

Status ViewRecorder::start(const std::filesystem::path& path, int width, int height, int framesPerSecond) {
  if (isRecording()) return Status::failure("A recording into " + path_.string() + " is already running");
  if (width < 1 || height < 1 || width > MaxSide || height > MaxSide) {
    return Status::failure("Cannot record a view of " + std::to_string(width) + " x " + std::to_string(height) +
                           " pixels");
  }
  if (framesPerSecond < 1 || framesPerSecond > MaxFramesPerSecond) {
    return Status::failure("Cannot record at " + std::to_string(framesPerSecond) + " frames per second");
  }
  const AVCodec* mjpeg = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
  if (!mjpeg) return Status::failure("This FFmpeg has no Motion-JPEG encoder");

  auto encoder = std::make_unique<Encoder>();
  const std::string name = path.string();
  AVFormatContext* output = nullptr;
  int result = avformat_alloc_output_context2(&output, nullptr, "avi", name.c_str());
  if (result < 0 || !output) return Status::failure("This FFmpeg cannot write AVI files: " + AvError(result));
  encoder->output.reset(output);

  encoder->stream = avformat_new_stream(output, nullptr);
  encoder->codec.reset(avcodec_alloc_context3(mjpeg));
  encoder->frame.reset(av_frame_alloc());
  encoder->packet.reset(av_packet_alloc());
  if (!encoder->stream || !encoder->codec || !encoder->frame || !encoder->packet) {
    return Status::failure("Out of memory setting up the recording");
  }

  AVCodecContext& codec = *encoder->codec;
  codec.width = width;
  codec.height = height;
  codec.time_base = AVRational{1, framesPerSecond};
  codec.framerate = AVRational{framesPerSecond, 1};
  codec.pix_fmt = AV_PIX_FMT_YUVJ420P;
  codec.color_range = AVCOL_RANGE_JPEG;
  codec.flags |= AV_CODEC_FLAG_QSCALE;
  codec.global_quality = FF_QP2LAMBDA * kQuality;
  if (output->oformat->flags & AVFMT_GLOBALHEADER) codec.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  result = avcodec_open2(&codec, mjpeg, nullptr);
  if (result < 0) return Status::failure("The Motion-JPEG encoder refused the recording: " + AvError(result));
  result = avcodec_parameters_from_context(encoder->stream->codecpar, &codec);
  if (result < 0) return Status::failure("Cannot describe the video stream: " + AvError(result));
  encoder->stream->time_base = codec.time_base;

  AVFrame& frame = *encoder->frame;
  frame.format = codec.pix_fmt;
  frame.width = width;
  frame.height = height;
  frame.color_range = AVCOL_RANGE_JPEG;
  result = av_frame_get_buffer(&frame, 0);
  if (result < 0) return Status::failure("Cannot allocate the video frame: " + AvError(result));

  // The file is made only now, when everything that could refuse the recording has agreed.
  result = avio_open(&output->pb, name.c_str(), AVIO_FLAG_WRITE);
  if (result < 0) return Status::failure("Cannot write " + name + ": " + AvError(result));
  result = avformat_write_header(output, nullptr);
  if (result < 0) {
    encoder.reset();
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return Status::failure("Cannot write the header of " + name + ": " + AvError(result));
  }

  encoder_ = std::move(encoder);
  path_ = path;
  width_ = width;
  height_ = height;
  frames_ = 0;
  return Status::success();
}

Status ViewRecorder::addFrame(const Image& image) {
  if (!isRecording()) return Status::failure("No recording is running");
  if (image.empty()) return Status::failure("An empty picture cannot be recorded");
  Encoder& encoder = *encoder_;
  if (!encoder.prepareScaler(image.width(), image.height())) {
    return Status::failure("Cannot convert a picture of " + std::to_string(image.width()) + " x " +
                           std::to_string(image.height()) + " pixels for the recording");
  }
  // The encoder may still hold the previous frame's buffers.
  int result = av_frame_make_writable(encoder.frame.get());
  if (result >= 0) {
    encoder.stage(image);
    const std::uint8_t* source[1] = {encoder.staging.data()};
    const int sourceStride[1] = {encoder.stagingStride};
    sws_scale(encoder.scaler.get(), source, sourceStride, 0, image.height(), encoder.frame->data,
              encoder.frame->linesize);
    encoder.frame->pts = frames_;
    encoder.frame->quality = encoder.codec->global_quality;
    result = avcodec_send_frame(encoder.codec.get(), encoder.frame.get());
  }
  if (result >= 0) result = encoder.drainPackets();
  if (result < 0) {
    const std::string message = "Recording into " + path_.string() + " stopped: " + AvError(result);
    stop();
    return Status::failure(message);
  }
  ++frames_;
  return Status::success();
}

Status ViewRecorder::stop() {
  if (!encoder_) return Status::success();
  std::unique_ptr<Encoder> encoder = std::move(encoder_);
  int result = avcodec_send_frame(encoder->codec.get(), nullptr);
  if (result >= 0) result = encoder->drainPackets();
  // The index is written even after an encoder error, so the frames already in the file play.
  const int trailer = av_write_trailer(encoder->output.get());
  if (result >= 0) result = trailer;
  const int closed = avio_closep(&encoder->output->pb);
  if (result >= 0) result = closed;
  if (result < 0) return Status::failure("Could not finish " + path_.string() + ": " + AvError(result));
  return Status::success();
}

bool ViewRecorder::isRecording() const { return encoder_ != nullptr; }
int ViewRecorder::width() const { return width_; }
int ViewRecorder::height() const { return height_; }
std::int64_t ViewRecorder::framesWritten() const { return frames_; }
const std::filesystem::path& ViewRecorder::path() const { return path_; }

}  // namespace velmara::scene
