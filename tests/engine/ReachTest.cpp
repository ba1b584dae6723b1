// A source reaches only itself: every advertised input kind opens, playlists and
// other indirections are refused, nested opens fail, reads are timed one by one,
// and the library check loads nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <chrono>
#include <thread>

#include "EngineTestUtil.h"
#include "EventRecorder.h"
#include "engine/FFDecoder.h"
#include "engine/FFEncoder.h"
#include "engine/media/MediaInput.h"
#include "engine/media/SourceGuard.h"
#include "support/Fixtures.h"

using namespace enginetest;

namespace {

QStringList Picture(const QString& size = "64x48", const QString& rate = "25") {
  return {"-f", "lavfi", "-i", "testsrc=size=" + size + ":rate=" + rate + ":duration=0.4"};
}
QStringList Tone(int rate = 44100) {
  return {"-f", "lavfi", "-i", QString("sine=sample_rate=%1:duration=0.4").arg(rate)};
}

// The media a mid-sized test needs: one ffmpeg call each.
struct InputKind {
  const char* file;
  QStringList args;
};

QString OtherFile() {
  static const QString path = [] {
    const QString p = PathIn("other.ts");
    Fixtures::Make(p, Picture() + Tone() + QStringList{"-f", "mpegts"});
    return p;
  }();
  return path;
}

// Sleeps on chosen reads, counting them all.
std::atomic<int> g_reads{0};
std::atomic<int> g_delay_ms{0};
std::atomic<int> g_stall_on_read{-1};
std::atomic<int> g_stall_ms{0};

void SlowRead(int64_t /*position*/) {
  const int n = g_reads++;
  int ms = g_delay_ms;
  if (n == g_stall_on_read) ms = g_stall_ms;
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

struct ReadHookScope {
  ReadHookScope(int delay_ms, int stall_on_read, int stall_ms) {
    g_reads = 0;
    g_delay_ms = delay_ms;
    g_stall_on_read = stall_on_read;
    g_stall_ms = stall_ms;
    media::SetReadHookForTesting(&SlowRead);
  }
  ~ReadHookScope() { media::SetReadHookForTesting(nullptr); }
};

}  // namespace

TEST(SourceReachTest, EveryAdvertisedInputKindOpens) {
  const QStringList av = Picture() + Tone();
  const std::vector<InputKind> kinds = {
      {"a.mp4", av},
      {"a.mov", av},
      {"a.m4v", Picture() + QStringList{"-f", "mp4"}},
      {"a.3gp", Picture("128x96") + Tone(8000) + QStringList{"-ac", "1", "-ar", "8000"}},
      {"a.3g2", Picture("128x96") + Tone(8000) + QStringList{"-ac", "1", "-ar", "8000", "-f", "3g2"}},
      {"a.mkv", av},
      {"a.webm", Picture() + Tone() + QStringList{"-c:v", "libvpx", "-c:a", "libvorbis"}},
      {"a.avi", av},
      {"a.flv", av},
      {"a.mpg", av},
      {"a.vob", Picture() + Tone(48000) + QStringList{"-f", "vob"}},
      {"a.dat", Picture("352x240", "30000/1001") + Tone() + QStringList{"-f", "vcd"}},
      {"a.m2t", av + QStringList{"-f", "mpegts"}},
      {"a.m1v", Picture() + QStringList{"-c:v", "mpeg1video", "-f", "mpeg1video"}},
      {"a.wmv", av + QStringList{"-c:v", "wmv2", "-c:a", "wmav2"}},
      {"a.asf", av + QStringList{"-c:v", "msmpeg4v2"}},
      {"a.rm", av + QStringList{"-c:v", "rv10", "-c:a", "ac3"}},
      {"a.dv", Picture("720x480", "30000/1001") + Tone(48000) +
                   QStringList{"-pix_fmt", "yuv411p", "-ac", "2", "-c:a", "pcm_s16le"}},
      {"a.ogg", Tone()},
      {"a.wav", Tone()},
      {"a.aiff", Tone()},
      {"a.flac", Tone()},
      {"a.mp3", Tone()},
      {"a.mp2", Tone()},
      {"a.aac", Tone()},
      {"a.ac3", Tone()},
      {"a.m4a", Tone()},
      {"a.amr", Tone(8000) + QStringList{"-ar", "8000", "-ac", "1"}},
      {"a.wma", Tone() + QStringList{"-c:a", "wmav2"}},
      {"a.ra", Tone() + QStringList{"-c:a", "ac3", "-f", "rm"}},
      {"a.wv", Tone()},
      {"a.mmf", Tone(8000) + QStringList{"-ar", "8000"}},
  };
  QDir().mkpath(PathIn("kinds"));
  for (const InputKind& kind : kinds) {
    const QString path = PathIn(QString("kinds/") + kind.file);
    ASSERT_TRUE(Fixtures::Make(path, kind.args)) << kind.file;
    FFDecoder dec;
    EXPECT_TRUE(dec.Open(Bytes(path), "")) << kind.file << ": " << dec.LastErrorMessage();
  }
}

TEST(SourceReachTest, PlaylistsFileListsAndDescriptionsAreRefused) {
  const QString other = OtherFile();
  const QString name = QFileInfo(other).fileName();
  QDir().mkpath(PathIn("hostile"));
  // Text files that would make libav read other files or addresses, disguised
  // as media by their names.
  const std::vector<std::pair<QString, QByteArray>> hostile = {
      {"hls.mp4",
       "#EXTM3U\n#EXT-X-TARGETDURATION:1\n#EXTINF:1.0,\n../" + name.toUtf8() + "\n#EXT-X-ENDLIST\n"},
      {"hls absolute.mkv",
       "#EXTM3U\n#EXT-X-TARGETDURATION:1\n#EXTINF:1.0,\n" + QFile::encodeName(other) + "\n#EXT-X-ENDLIST\n"},
      {"list.mp4", "ffconcat version 1.0\nfile '../" + name.toUtf8() + "'\n"},
      {"session.avi",
       "v=0\no=- 0 0 IN IP4 127.0.0.1\ns=x\nc=IN IP4 127.0.0.1\nt=0 0\n"
       "m=video 5004 RTP/AVP 96\na=rtpmap:96 H264/90000\n"},
  };
  for (const auto& [file, text] : hostile) {
    const QString path = PathIn("hostile/" + file);
    WriteFile(path, text);
    FFDecoder dec;
    EXPECT_FALSE(dec.Open(Bytes(path), "")) << file.toStdString();
    const std::string why = dec.LastErrorMessage();
    EXPECT_NE(why.find("not read"), std::string::npos) << file.toStdString() << ": " << why;

    FFEncoder enc;
    EXPECT_LT(enc.OpenInput(Bytes(path), ""), 0) << file.toStdString();
    EXPECT_EQ(enc.LastErrorMessage(), why);
  }

  // A picture-sequence pattern in the name is only a name: the one file is read,
  // and pictures are not a media kind sources may be.
  const QString frame = PathIn("hostile/frame%03d.png");
  ASSERT_TRUE(Fixtures::Make(frame, {"-f", "lavfi", "-i", "testsrc=size=32x32:duration=0.04", "-frames:v",
                                     "1", "-f", "image2", "-update", "1"}));
  FFDecoder dec;
  EXPECT_FALSE(dec.Open(Bytes(frame), ""));
  EXPECT_NE(dec.LastErrorMessage().find("not read"), std::string::npos) << dec.LastErrorMessage();
}

TEST(SourceReachTest, NestedOpensAreRefusedForAllowedFormatsToo) {
  media::ReadWatch watch(10000, nullptr);
  std::string error;
  media::Input input = media::OpenInput(Bytes(SampleVideo()), &watch, &error);
  ASSERT_TRUE(input) << error;
  EXPECT_FALSE(media::NestedOpenRefused(input->pb));
  // What a demuxer would do to follow a reference to another file.
  AVIOContext* nested = nullptr;
  const int rc = input->io_open(input.get(), &nested, media::FileUrl(Bytes(OtherFile())).c_str(),
                                AVIO_FLAG_READ, nullptr);
  EXPECT_LT(rc, 0);
  EXPECT_EQ(nested, nullptr);
  EXPECT_TRUE(media::NestedOpenRefused(input->pb));
}

TEST(SourceReachTest, DemuxerListHoldsMediaAndNoIndirections) {
  for (const char* name : {"mov,mp4,m4a,3gp,3g2,mj2", "matroska,webm", "avi", "flv", "mpeg", "mpegts", "asf",
                           "rm", "ogg", "wav", "aiff", "flac", "mp3", "aac", "ac3", "amr", "dv", "wv", "mmf"})
    EXPECT_TRUE(media::DemuxerAllowed(name)) << name;
  for (const char* name : {"hls", "concat", "image2", "image2pipe", "png_pipe", "sdp", "rtp", "rtsp", "sap",
                           "dash", "webm_dash_manifest", "ffmetadata", "data", "tee", "", "mov,hls"})
    EXPECT_EQ(media::DemuxerAllowed(name), std::string(name) == "mov,hls") << name;
  EXPECT_FALSE(media::DemuxerAllowed(nullptr));
}

TEST(ReadLimitTest, SlowButSteadySourceOpensAndOneStalledReadFails) {
  const QString path = PathIn("steady.mp4");
  ASSERT_TRUE(Fixtures::Make(path, {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=3", "-c:v",
                                    "mpeg4", "-q:v", "2"}));  // large enough for many reads
  int reads = 0;
  {
    ReadHookScope count(0, -1, 0);
    FFDecoder dec;
    ASSERT_TRUE(dec.Open(Bytes(path), "")) << dec.LastErrorMessage();
    reads = g_reads;
  }
  // With at least three reads of 200 ms each against a 400 ms limit, the whole
  // probe takes longer than the limit although no single read stalls.
  ASSERT_GE(reads, 3);
  {
    ReadHookScope slow(200, -1, 0);
    FFDecoder dec;
    dec.ReadTimeout = 400;
    EXPECT_TRUE(dec.Open(Bytes(path), "")) << dec.LastErrorMessage();
  }
  {
    // One read stalls past the limit: the open fails and says why.
    ReadHookScope stall(0, 1, 1000);
    FFDecoder dec;
    dec.ReadTimeout = 400;
    EXPECT_FALSE(dec.Open(Bytes(path), ""));
    EXPECT_NE(dec.LastErrorMessage().find("timed out"), std::string::npos) << dec.LastErrorMessage();
  }
  {
    // The same per read in a conversion, which opens the source again.
    FFEncoder enc;
    enc.ReadTimeout = 400;
    EventRecorder events(enc);
    const int task = enc.OpenInput(Bytes(path), "");
    ASSERT_GE(task, 0) << enc.LastErrorMessage();
    QDir().mkpath(PathIn("stall"));
    ASSERT_GE(enc.SetOutput(task, Bytes(PathIn("stall/out.avi")), "-vb 200k"), 0) << enc.LastErrorMessage();
    ReadHookScope stall(0, reads, 1000);  // once the source is open, while converting
    enc.Start(1);
    ASSERT_TRUE(events.WaitForEnd());
    EXPECT_TRUE(events.For(task).failed);
    EXPECT_NE(events.For(task).message.find("timed out"), std::string::npos) << events.For(task).message;
    EXPECT_FALSE(QFile::exists(PathIn("stall/out.avi")));
  }
}

TEST(LibraryCheckTest, AFolderCopyIsNeverLoaded) {
  // A library beside the program that would leave a mark if anything loaded it.
  const QString folder = PathIn("libcopy");
  QDir().mkpath(folder);
  const QString copy = folder + QString("/libavcodec.so.%1").arg(LIBAVCODEC_VERSION_MAJOR);
  QFile::remove(copy);
  ASSERT_TRUE(QFile::copy(VELTRANE_CANARY_LIBRARY, copy));
  const QString mark = PathIn("canary-ran");
  QFile::remove(mark);
  qputenv("VELTRANE_CANARY_MARK", QFile::encodeName(mark));
  EXPECT_TRUE(FFEncoder::LoadAVLib(Bytes(folder)));
  EXPECT_FALSE(QFile::exists(mark)) << "the folder's library ran its code";
  qunsetenv("VELTRANE_CANARY_MARK");
}
