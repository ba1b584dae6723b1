// The conversion plan: worked out from options and a source description alone,
// and followed by the run, which plans again when the file changed meanwhile.
#include <gtest/gtest.h>

#include <QFile>

#include "EngineTestUtil.h"
#include "EventRecorder.h"
#include "engine/ConversionOutcome.h"
#include "engine/FFDecoder.h"
#include "engine/FFEncoder.h"
#include "engine/convert/OutputPlan.h"
#include "output/FormatTable.h"
#include "support/SyntheticSource.h"

using namespace convert;
using enginetest::Bytes;
using testing_support::SyntheticSource;

namespace {

// The plan for `options` (parsed against the source) writing `output`; the error
// text when there is none.
struct Planned {
  bool ok = false;
  OutputPlan plan;
  std::string error;
};

Planned PlanFor(const std::string& options, const media::SourceDescription& source,
                const std::string& output) {
  Planned result;
  Options parsed;
  if (!Parse(options, FactsOf(source), &parsed, &result.error)) return result;
  // The source path names no file: planning never reads one.
  result.ok = MakeOutputPlan(parsed, "/nonexistent/source.mkv", output, source, &result.plan, &result.error);
  return result;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

media::StreamFacts SubtitleTrack(int index, AVCodecID codec, bool is_default) {
  media::StreamFacts s;
  s.index = index;
  s.type = AVMEDIA_TYPE_SUBTITLE;
  s.codec = codec;
  s.is_default = is_default;
  s.decodable = true;
  return s;
}

}  // namespace

TEST(OutputPlanTest, LanesCarryEncodersSizesAndChains) {
  const Planned p = PlanFor("-vcodec mpeg4 -acodec aac -ab 128k -ar 44100 -ac 2 -s 640x480",
                            SyntheticSource(1920, 1080, 6), "/out/clip.mp4");
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_STREQ(p.plan.format->name, "mp4");
  ASSERT_EQ(p.plan.lanes.size(), 2u);
  const LanePlan& video = p.plan.lanes[0];
  EXPECT_EQ(video.type, AVMEDIA_TYPE_VIDEO);
  EXPECT_STREQ(video.encoder->name, "mpeg4");
  EXPECT_EQ(p.plan.width, 640);
  EXPECT_EQ(p.plan.height, 480);
  // A 16:9 picture in a 4:3 frame: fitted whole, with bars, at the source's rate.
  EXPECT_EQ(video.chain.rfind("fps=fps=25/1,", 0), 0u) << video.chain;
  EXPECT_TRUE(Contains(video.chain, "pad=")) << video.chain;
  EXPECT_TRUE(Contains(video.chain, "format=pix_fmts=yuv420p")) << video.chain;
  const LanePlan& audio = p.plan.lanes[1];
  EXPECT_EQ(audio.type, AVMEDIA_TYPE_AUDIO);
  EXPECT_EQ(audio.chain,
            "aresample=44100,aformat=sample_fmts=fltp:sample_rates=44100:channel_layouts=stereo");
}

TEST(OutputPlanTest, ContainersDecideWhatGoesIn) {
  // Sound-only containers drop the picture.
  Planned p = PlanFor("-ab 128k", SyntheticSource(320, 240, 2), "/out/song.mp3");
  ASSERT_TRUE(p.ok) << p.error;
  ASSERT_EQ(p.plan.lanes.size(), 1u);
  EXPECT_EQ(p.plan.video, nullptr);
  EXPECT_EQ(p.plan.lanes[0].type, AVMEDIA_TYPE_AUDIO);

  // Matroska takes every sound track; MP3 only the main one; -audiotracks first asks for one.
  media::SourceDescription two_tracks = SyntheticSource(320, 240, 2);
  media::StreamFacts second = two_tracks.streams[1];
  second.index = 2;
  second.channels = 1;
  two_tracks.streams.push_back(second);
  p = PlanFor("", two_tracks, "/out/clip.mkv");
  ASSERT_TRUE(p.ok) << p.error;
  ASSERT_EQ(p.plan.lanes.size(), 3u);
  EXPECT_EQ(p.plan.lanes[2].stream, 2);
  EXPECT_TRUE(Contains(p.plan.lanes[2].chain, "channel_layouts=mono")) << p.plan.lanes[2].chain;
  p = PlanFor("-audiotracks first", two_tracks, "/out/clip.mkv");
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.plan.lanes.size(), 2u);

  // Nothing left to convert, and a codec the container cannot hold.
  p = PlanFor("-an", SyntheticSource(0, 0, 2), "/out/clip.mp4");
  EXPECT_FALSE(p.ok);
  EXPECT_TRUE(Contains(p.error, "neither video nor audio")) << p.error;
  p = PlanFor("-vcodec flv", SyntheticSource(320, 240, 2), "/out/clip.webm");
  EXPECT_FALSE(p.ok);
  EXPECT_TRUE(Contains(p.error, "cannot hold")) << p.error;
}

// Every format key's extension names a container the engine writes with its own
// default encoders, and it holds a picture exactly when the key is not sound-only.
TEST(OutputPlanTest, EveryFormatKeysExtensionPlans) {
  for (const FormatRow& row : FormatRows()) {
    SCOPED_TRACE(row.key);
    const Planned p = PlanFor("", SyntheticSource(320, 240, 2), std::string("/out/x.") + row.extension);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_NE(p.plan.audio, nullptr);
    // Sound-only keys that share a container with video keys (wma, ra) drop the
    // picture through their option string (-vn) instead.
    if (!row.audioOnly) {
      EXPECT_NE(p.plan.video, nullptr);
    }
  }
}

TEST(OutputPlanTest, GeometryFollowsTheShownPicture) {
  // A phone clip stored sideways: turned upright first, then the user's crop.
  media::SourceDescription phone = SyntheticSource(1280, 720, 2, {30, 1});
  phone.streams[0].turn.quarter_turns = 1;
  phone.streams[0].shown_width = 720;
  phone.streams[0].shown_height = 1280;
  Planned p = PlanFor("-vf \"crop=700:1200:10:40\"", phone, "/out/phone.mp4");
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.plan.width, 700);
  EXPECT_EQ(p.plan.height, 1200);
  const std::string& chain = p.plan.lanes[0].chain;
  EXPECT_LT(chain.find("transpose=dir=clock"), chain.find("crop=700:1200:10:40")) << chain;

  // A crop that does not fit the shown picture is refused with both sizes named.
  p = PlanFor("-vf \"crop=1000:100:0:0\"", phone, "/out/phone.mp4");
  EXPECT_FALSE(p.ok);
  EXPECT_TRUE(Contains(p.error, "720x1280")) << p.error;

  // Any other angle grows the frame to hold the turned picture.
  p = PlanFor("-vf \"rotate=45\"", SyntheticSource(320, 240, 0), "/out/turn.mkv");
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.plan.width, 396);
  EXPECT_EQ(p.plan.height, 396);
  EXPECT_TRUE(Contains(p.plan.lanes[0].chain, "rotate=angle=")) << p.plan.lanes[0].chain;
}

TEST(OutputPlanTest, SubtitlesAreKeptBurntOrNoted) {
  media::SourceDescription source = SyntheticSource(320, 240, 2);
  source.streams.push_back(SubtitleTrack(2, AV_CODEC_ID_SUBRIP, false));
  source.streams.push_back(SubtitleTrack(3, AV_CODEC_ID_HDMV_PGS_SUBTITLE, true));
  // Text converts to MP4's own subtitle format; the picture track cannot go along.
  Planned p = PlanFor("", source, "/out/clip.mp4");
  ASSERT_TRUE(p.ok) << p.error;
  ASSERT_EQ(p.plan.subtitles.size(), 1u);
  EXPECT_EQ(p.plan.subtitles[0].stream, 2);
  EXPECT_EQ(p.plan.subtitles[0].convert_to, AV_CODEC_ID_MOV_TEXT);
  EXPECT_TRUE(Contains(JoinedNotes(p.plan.notes), "1 subtitle track left out"));
  // Burning takes the default track, which here holds pictures: nothing is drawn.
  p = PlanFor("-subtitles burn", source, "/out/clip.mp4");
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_TRUE(p.plan.burn_in.empty());
  EXPECT_TRUE(Contains(JoinedNotes(p.plan.notes), "not burnt in"));
  source.streams[3].is_default = false;
  p = PlanFor("-subtitles burn", source, "/out/clip.mp4");
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_TRUE(Contains(p.plan.lanes[0].chain, "subtitles=filename=")) << p.plan.lanes[0].chain;
  EXPECT_TRUE(p.plan.subtitles.empty());
}

TEST(OutputPlanTest, UnknownFormatsArePlannedWhenTheDecoderTells) {
  media::SourceDescription source = SyntheticSource(320, 240, 2);
  source.streams[1].sample_format = -1;  // not known from the probe
  const Planned p = PlanFor("", source, "/out/clip.mkv");
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_TRUE(p.plan.lanes[1].chain.empty());

  media::StreamFacts facts = source.streams[1];
  const media::StreamFacts before = facts;
  EXPECT_TRUE(media::SameStream(before, facts));
  facts.sample_format = AV_SAMPLE_FMT_S16;
  EXPECT_FALSE(media::SameStream(before, facts));
  EXPECT_FALSE(media::SameSource(source, SyntheticSource(320, 240, 1)));
  EXPECT_TRUE(media::SameSource(source, source));
}

// The plan travels with the task; a source replaced on disk after SetOutput is
// planned again at the run, so the output follows the file that is really read.
TEST(OutputPlanTest, ARunPlansAgainWhenTheSourceChanged) {
  const QString folder = enginetest::FreshFolder("replanned");
  const QString source = folder + "source.mkv";
  ASSERT_TRUE(Fixtures::Make(
      source, {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=1", "-c:v", "mpeg4"}));
  FFEncoder enc;
  enginetest::EventRecorder events(enc);
  ASSERT_EQ(enc.OpenInput(Bytes(source), ""), 0) << enc.LastErrorMessage();
  ASSERT_GE(enc.SetOutput(0, Bytes(folder + "out.mkv"), "-vcodec mpeg4"), 0) << enc.LastErrorMessage();
  // Replaced by a smaller picture with sound.
  ASSERT_TRUE(QFile::remove(source));
  ASSERT_TRUE(
      Fixtures::Make(source, {"-f", "lavfi", "-i", "testsrc=size=160x96:rate=25:duration=1", "-f", "lavfi",
                              "-i", "sine=duration=1", "-c:v", "mpeg4", "-c:a", "mp2", "-shortest"}));
  enc.Start(1);
  ASSERT_TRUE(events.WaitForEnd());
  ASSERT_TRUE(events.For(0).succeeded) << events.For(0).message;
  const enginetest::Probed out = enginetest::ProbeFile(folder + "out.mkv");
  EXPECT_EQ(out.width, 160);
  EXPECT_EQ(out.height, 96);
  EXPECT_FALSE(out.audio_codec.isEmpty());
}

// A file the list has just probed is not probed again when it is queued; once it
// changes on disk, queueing reads it afresh.
TEST(OutputPlanTest, AListedFileIsProbedOnce) {
  const QString folder = enginetest::FreshFolder("probed-once");
  const QString source = folder + "listed clip.mp4";
  ASSERT_TRUE(QFile::copy(enginetest::SampleVideo(), source));
  FFDecoder decoder;
  ASSERT_TRUE(decoder.Open(Bytes(source), "")) << decoder.LastErrorMessage();
  const long listed = media::ProbeCount();
  FFEncoder enc;
  ASSERT_EQ(enc.OpenInput(Bytes(source), ""), 0) << enc.LastErrorMessage();
  EXPECT_EQ(media::ProbeCount(), listed);

  // The listed picture is 320x240: a larger crop is refused.
  const std::string crop = "-vcodec mpeg4 -vf \"crop=400:400:0:0\"";
  EXPECT_LT(enc.SetOutput(0, Bytes(folder + "clip.mkv"), crop), 0);

  // Replaced by a sound file under the same name: probed again, and the task knows
  // the new file, which has no picture for the crop to refuse.
  ASSERT_TRUE(QFile::remove(source));
  ASSERT_TRUE(QFile::copy(enginetest::SampleAudio(), source));
  ASSERT_EQ(enc.OpenInput(Bytes(source), ""), 1) << enc.LastErrorMessage();
  EXPECT_EQ(media::ProbeCount(), listed + 1);
  EXPECT_GE(enc.SetOutput(1, Bytes(folder + "sound.mkv"), crop), 0) << enc.LastErrorMessage();
}

// Each quality scale holds where its encoder's does, and an encoder without one is
// refused up front rather than converting at some bitrate.
TEST(OutputPlanTest, ConstantQualityFitsTheEncodersOwnScale) {
  for (const FormatRow& row : FormatRows()) {
    const QualityScale* scale = QualityScaleOf(row);
    if (!scale) continue;
    SCOPED_TRACE(row.key);
    const std::string options = std::string("-vcodec ") + scale->encoder + " -crf ";
    const std::string output = std::string("/out/x.") + row.extension;
    EXPECT_TRUE(PlanFor(options + std::to_string(scale->worst), SyntheticSource(320, 240, 2), output).ok);
    const Planned beyond =
        PlanFor(options + std::to_string(scale->worst + 1), SyntheticSource(320, 240, 2), output);
    EXPECT_FALSE(beyond.ok);
    if (scale->worst < 63) {
      EXPECT_TRUE(Contains(beyond.error, "from 0 to 51")) << beyond.error;
    }
  }
  const Planned mpeg4 = PlanFor("-vcodec mpeg4 -crf 20", SyntheticSource(320, 240, 2), "/out/x.mp4");
  EXPECT_TRUE(Contains(mpeg4.error, "no constant quality")) << mpeg4.error;
}

TEST(OutputPlanTest, DeinterlacingFollowsTheFieldOrderOnAuto) {
  media::SourceDescription source = SyntheticSource(720, 576, 2);
  const auto chain = [&](const char* mode, AVFieldOrder order) {
    source.streams[source.best_video].field_order = order;
    const Planned p = PlanFor(std::string("-deinterlace ") + mode, source, "/out/x.mkv");
    EXPECT_TRUE(p.ok) << p.error;
    return p.ok ? p.plan.lanes.front().chain : std::string();
  };
  EXPECT_EQ(chain("auto", AV_FIELD_TT).rfind("bwdif=mode=send_frame:parity=tff:deint=all,fps=", 0), 0u);
  EXPECT_TRUE(Contains(chain("auto", AV_FIELD_TB), "parity=bff"));  // the bottom field is shown first
  EXPECT_FALSE(Contains(chain("auto", AV_FIELD_PROGRESSIVE), "bwdif"));
  EXPECT_FALSE(Contains(chain("auto", AV_FIELD_UNKNOWN), "bwdif"));  // the run looks at the pictures first
  EXPECT_FALSE(Contains(chain("off", AV_FIELD_BB), "bwdif"));
  EXPECT_TRUE(Contains(chain("always", AV_FIELD_PROGRESSIVE), "bwdif=mode=send_frame:parity=auto"));
}
