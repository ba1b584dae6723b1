#include "engine/convert/MetadataCopy.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/avstring.h>
#include <libavutil/dict.h>
#include <libavutil/mem.h>
}

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace convert {
namespace {

// Tags that belong to the old file's encoding, not to its content.
bool StaleTag(const char* key) {
  static const char* const kStale[] = {"rotate",
                                       "encoder",
                                       "duration",
                                       "bps",
                                       "number_of_frames",
                                       "number_of_bytes",
                                       "_statistics_writing_app",
                                       "_statistics_writing_date_utc",
                                       "_statistics_tags"};
  for (const char* stale : kStale)
    if (av_strcasecmp(key, stale) == 0 ||
        av_strncasecmp(key, (std::string(stale) + "-").c_str(), std::strlen(stale) + 1) == 0)
      return true;
  return false;
}

bool CopyTags(const AVDictionary* from, AVDictionary** to) {
  const AVDictionaryEntry* tag = nullptr;
  while ((tag = av_dict_get(from, "", tag, AV_DICT_IGNORE_SUFFIX))) {
    if (StaleTag(tag->key)) continue;
    if (av_dict_set(to, tag->key, tag->value, 0) < 0) return false;
  }
  return true;
}

}  // namespace

bool CopyFileMetadata(const AVFormatContext* in, AVFormatContext* out) {
  if (!CopyTags(in->metadata, &out->metadata)) return false;
  if (in->nb_chapters == 0 || out->nb_chapters > 0) return true;
  auto** chapters = static_cast<AVChapter**>(av_calloc(in->nb_chapters, sizeof(AVChapter*)));
  if (!chapters) return false;
  out->chapters = chapters;  // freed with the output context, as are the chapters in it
  for (unsigned i = 0; i < in->nb_chapters; ++i) {
    const AVChapter* from = in->chapters[i];
    auto* to = static_cast<AVChapter*>(av_mallocz(sizeof(AVChapter)));
    if (!to) return false;
    out->chapters[out->nb_chapters++] = to;
    to->id = from->id;
    to->time_base = from->time_base;
    to->start = from->start;
    to->end = from->end;
    if (!CopyTags(from->metadata, &to->metadata)) return false;
  }
  return true;
}

bool CopyStreamMetadata(const AVStream* in, AVStream* out) {
  out->disposition = in->disposition & (AV_DISPOSITION_DEFAULT | AV_DISPOSITION_FORCED | AV_DISPOSITION_DUB |
                                        AV_DISPOSITION_ORIGINAL | AV_DISPOSITION_COMMENT |
                                        AV_DISPOSITION_HEARING_IMPAIRED | AV_DISPOSITION_VISUAL_IMPAIRED);
  return CopyTags(in->metadata, &out->metadata);
}

bool SourceDate(const std::string& source, struct timespec* modified, std::string* error) {
  struct stat st {};
  if (stat(source.c_str(), &st) != 0) {
    *error = "Cannot read the source's date: " + std::string(std::strerror(errno));
    return false;
  }
  *modified = st.st_mtim;
  return true;
}

}  // namespace convert
