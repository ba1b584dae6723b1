#pragma once
// The engine's front door for describing files, for callers without libav headers
// (the file list, the command line). Behind it: media/ (safe opening, the source
// description, the cache that lets a queued file skip a second probe).
//
// Probes one media file: its best audio and video streams, codecs, picture size and
// duration. One file open at a time; Open on an open decoder closes the old file.
#include <cstdint>
#include <memory>
#include <string>

class FFDecoder {
 public:
  FFDecoder();
  ~FFDecoder();
  FFDecoder(const FFDecoder&) = delete;
  FFDecoder& operator=(const FFDecoder&) = delete;

  // Stored settings.
  int ReadTimeout = 10000;  // ms; a read that stalls longer fails the open

  // path is the file name in the file system's bytes (UTF-8 or not). options is
  // reserved and may be empty. False on failure; LastErrorMessage() says why.
  bool Open(const std::string& path, const std::string& options);
  void Close();
  std::string LastErrorMessage() const;

  int AudioStreamIndex() const;                 // best audio stream, -1 when none
  int VideoStreamIndex() const;                 // best video stream, -1 when none
  std::string AudioCodecName(int index) const;  // short name such as "aac"; "" for a bad index
  std::string VideoCodecName(int index) const;
  int64_t Duration() const;  // in microseconds; 0 or less when unknown
  int VideoStreamCount() const;
  int AudioStreamCount() const;
  int SubtitleStreamCount() const;
  int VideoWidth(int index) const;  // as shown upright
  int VideoHeight(int index) const;
  int VideoStoredWidth(int index) const;  // as stored in the file
  int VideoStoredHeight(int index) const;
  // True when the header marks the picture stream's fields as interlaced (camcorder or
  // TV recordings); false for progressive pictures and where the header does not say.
  bool VideoInterlaced(int index) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
