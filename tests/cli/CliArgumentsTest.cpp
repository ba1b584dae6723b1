// The command line read into settings: parsing, the dialog's value rules, profile
// look-up, the if-exists choice, and the texts the run prints.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "cli/CliOptions.h"
#include "cli/CliReporters.h"
#include "cli/CliSettings.h"
#include "cli/CliSources.h"
#include "cli/JsonText.h"

namespace {

ParsedArguments Parse(std::vector<std::string> args) { return ParseArguments(args); }

class PlanTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  // Builds the plan for the given options after "-o <temp dir> in.mp4".
  bool Plan(std::vector<std::string> args) {
    args.insert(args.begin(), {"-o", dir.path().toStdString(), "in.mp4"});
    const ParsedArguments parsed = ParseArguments(args);
    EXPECT_TRUE(parsed.ok) << parsed.error;
    error.clear();
    return BuildPlan(parsed.options, plan, error);
  }
  // The option named at the start of the error.
  std::string ErrorOption() const { return error.substr(0, error.find(':')); }

  QTemporaryDir dir;
  CliPlan plan;
  std::string error;
};

}  // namespace

TEST(CliParse, AcceptsEveryOptionFormAndKeepsInputsInOrder) {
  const ParsedArguments p = Parse({"a.mp4", "--size=640x480", "-o", "out", "--rotate", "-90",
                                   "-j2", "--vflip", "b dir", "--", "--not-an-option", "-"});
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.options.inputs, (std::vector<std::string>{"a.mp4", "b dir", "--not-an-option", "-"}));
  EXPECT_EQ(*p.options.size, "640x480");
  EXPECT_EQ(*p.options.outputFolder, "out");
  EXPECT_EQ(*p.options.rotate, "-90");
  EXPECT_EQ(*p.options.jobs, "2");
  EXPECT_TRUE(p.options.verticalFlip);
  EXPECT_FALSE(p.options.horizontalFlip);

  const ParsedArguments q = Parse({"-oout", "--jobs", "3", "--output=x"});
  EXPECT_FALSE(q.ok);
  EXPECT_EQ(q.error, "--output: given more than once");
}

TEST(CliParse, RefusesUnknownOptionsMissingValuesAndValuesOnFlags) {
  EXPECT_EQ(Parse({"--sise", "1x1"}).error, "--sise: unknown option");
  EXPECT_EQ(Parse({"-x"}).error, "-x: unknown option");
  EXPECT_EQ(Parse({"a", "--vb"}).error, "--vb: needs a value");
  EXPECT_EQ(Parse({"--json=yes"}).error, "--json: takes no value");
  EXPECT_FALSE(Parse({"-j"}).ok);
}

TEST_F(PlanTest, DefaultsAreTheDialogsFreshState) {
  ASSERT_TRUE(Plan({})) << error;
  EXPECT_EQ(plan.settings.outputFormatKey, "mp4h264");
  EXPECT_EQ(plan.settings.profileCaption, "MP4 - H264 Video (*.mp4)");
  EXPECT_EQ(plan.settings.sizeIndex, 0);
  EXPECT_EQ(plan.settings.videoQuality, 1);
  EXPECT_EQ(plan.settings.grid.videoBitrate, "Auto");
  EXPECT_EQ(plan.ifExists, FFEncoder::ExistingOutput::KeepBoth);
  EXPECT_GE(plan.jobs, 1);
  EXPECT_TRUE(plan.outputFolder.endsWith('/'));
}

TEST_F(PlanTest, ValuesPassTheDialogsCorrections) {
  ASSERT_TRUE(Plan({"--size", "721x5001", "--vb", " 1500K ", "--ab", "auto", "--fps", "23.976",
                    "--aspect", "16:9", "--crop", "8,-4,0,2", "--rotate", "-270", "--rate",
                    "22050", "--channels", "1", "--no-audio", "--hflip"}))
      << error;
  const OutputSettings& s = plan.settings;
  EXPECT_EQ(s.sizeIndex, 15);
  EXPECT_EQ(s.width, "722");   // odd widths are raised by one
  EXPECT_EQ(s.height, "5000"); // and capped
  EXPECT_EQ(s.grid.videoBitrate, "1500K");  // trimmed, kept as typed
  EXPECT_EQ(s.grid.audioBitrate, "Auto");
  EXPECT_EQ(s.grid.frameRate, "23.976");
  EXPECT_EQ(s.grid.aspect, "16:9");
  EXPECT_TRUE(s.grid.crop);
  EXPECT_EQ(s.grid.cropLeft, 8);
  EXPECT_EQ(s.grid.cropTop, 4);  // a negative margin becomes positive
  EXPECT_EQ(s.grid.cropBottom, 2);
  EXPECT_EQ(s.grid.rotate, -270);
  EXPECT_EQ(s.grid.sampleRate, "22050");
  EXPECT_EQ(s.grid.channels, 1);
  EXPECT_TRUE(s.grid.removeAudio && s.grid.horizontalFlip && !s.grid.verticalFlip);
}

TEST_F(PlanTest, AQualityDoesNotUndoAnExplicitBitrate) {
  // The dialog's quality choice resets the bitrates; the command line applies the
  // qualities first so both options hold.
  ASSERT_TRUE(Plan({"--vb", "900k", "--video-quality", "high", "--ab", "96k",
                    "--audio-quality", "LOW"}));
  EXPECT_EQ(plan.settings.videoQuality, 0);
  EXPECT_EQ(plan.settings.audioQuality, 2);
  EXPECT_EQ(plan.settings.grid.videoBitrate, "900k");
  EXPECT_EQ(plan.settings.grid.audioBitrate, "96k");
}

TEST_F(PlanTest, BadValuesAreErrorsNamingTheirOption) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--vb", "1.5M"}, "--vb"},         {{"--vb", "1200kbps"}, "--vb"},
      {{"--ab", "fast"}, "--ab"},         {{"--rate", "44.1k"}, "--rate"},
      {{"--fps", "fast"}, "--fps"},       {{"--aspect", "16/9"}, "--aspect"},
      {{"--aspect", "4:3:1"}, "--aspect"}, {{"--size", "640"}, "--size"},
      {{"--size", "axb"}, "--size"},      {{"--crop", "1,2,3"}, "--crop"},
      {{"--crop", "1,2,x,4"}, "--crop"},  {{"--rotate", "300"}, "--rotate"},
      {{"--rotate", "-300"}, "--rotate"}, {{"--rotate", "ninety"}, "--rotate"},
      {{"--channels", "3"}, "--channels"}, {{"--video-quality", "best"}, "--video-quality"},
      {{"--audio-quality", "3"}, "--audio-quality"}, {{"--if-exists", "replace"}, "--if-exists"},
      {{"-j", "0"}, "--jobs"},            {{"-j", "many"}, "--jobs"},
      {{"--format", "mp5"}, "--format"},  {{"--profile", "no such thing"}, "--profile"},
      {{"--profile", "iphone"}, "--profile"},  // four captions contain it
      {{"--format", "mp3", "--profile", "1185"}, "--format"},
      {{"--format", "mp3", "--size", "320x240"}, "--size"},  // audio formats have no picture
      {{"--profile", "1185", "--rotate", "90"}, "--rotate"},
  };
  for (const auto& [args, option] : cases) {
    EXPECT_FALSE(Plan(args)) << args[0] << " " << args[1];
    EXPECT_EQ(ErrorOption(), option) << error;
  }
}

TEST_F(PlanTest, OutputFolderMustExist) {
  const ParsedArguments none = ParseArguments({"in.mp4"});
  EXPECT_FALSE(BuildPlan(none.options, plan, error));
  EXPECT_EQ(ErrorOption(), "-o");
  const ParsedArguments missing =
      ParseArguments({"-o", (dir.path() + "/missing").toStdString(), "in.mp4"});
  EXPECT_FALSE(BuildPlan(missing.options, plan, error));
  EXPECT_EQ(ErrorOption(), "-o");
}

TEST_F(PlanTest, ProfilesByIdCaptionOrUniquePart) {
  ASSERT_TRUE(Plan({"--profile", "1055"}));
  EXPECT_EQ(plan.settings.profileCaption, "iPhone - H.264 Video");
  EXPECT_EQ(plan.settings.width, "480");
  EXPECT_EQ(plan.settings.grid.frameRate, "29.97");
  EXPECT_EQ(plan.settings.grid.channels, 2);

  ASSERT_TRUE(Plan({"--profile", "DVD NTSC - MPEG-2  Video"}));  // exact, double blank
  EXPECT_EQ(plan.settings.outputFormatKey, "ntsc-dvd");
  ASSERT_TRUE(Plan({"--profile", "layer-3"}));  // unique part, any case
  EXPECT_EQ(plan.settings.outputFormatKey, "mp3");
  EXPECT_TRUE(plan.settings.audioOnly);
  // A caption that is also part of longer captions still picks itself.
  ASSERT_TRUE(Plan({"--profile", "iphone - h.264 video"}));
  EXPECT_EQ(plan.settings.profileCaption, "iPhone - H.264 Video");
}

TEST_F(PlanTest, FormatKeyActsLikeItsGeneralMenuEntry) {
  ASSERT_TRUE(Plan({"--format", "vob"}));
  EXPECT_EQ(plan.settings.profileCaption, "VOB - DVD Video Object (*.vob)");
  EXPECT_EQ(plan.settings.width, "720");
  ASSERT_TRUE(Plan({"--format", "pal-dvd"}));  // no general entry: the format's defaults
  EXPECT_EQ(plan.settings.outputFormatKey, "pal-dvd");
  EXPECT_EQ(plan.settings.sizeIndex, 0);
  EXPECT_EQ(plan.settings.grid.fileExtension, "mpg");
  ASSERT_TRUE(Plan({"--format", "flac"}));
  EXPECT_TRUE(plan.settings.audioOnly);
}

TEST_F(PlanTest, IfExistsWordsMapToTheEngineChoice) {
  const std::pair<const char*, FFEncoder::ExistingOutput> cases[] = {
      {"keep-both", FFEncoder::ExistingOutput::KeepBoth},
      {"overwrite", FFEncoder::ExistingOutput::Overwrite},
      {"skip", FFEncoder::ExistingOutput::Skip},
  };
  for (const auto& [word, mode] : cases) {
    ASSERT_TRUE(Plan({"--if-exists", word})) << error;
    EXPECT_EQ(plan.ifExists, mode) << word;
  }
  EXPECT_EQ(plan.settings.ifExists, 2);  // the record's "Skip"
}

TEST(CliOutcome, EngineEventsBecomeOutcomes) {
  EXPECT_EQ(OutcomeOfFinishedEvent(true, false, ""), TaskOutcome::Converted);
  EXPECT_EQ(OutcomeOfFinishedEvent(false, true, "bad"), TaskOutcome::Failed);
  EXPECT_EQ(OutcomeOfFinishedEvent(false, false, "Skipped: a.mp4 exists"), TaskOutcome::Skipped);
  EXPECT_EQ(OutcomeOfFinishedEvent(false, false, "Stopped"), TaskOutcome::Stopped);
  RunTotals totals;
  EXPECT_EQ(ExitCodeFor(totals), 0);
  totals.skipped = 1;
  EXPECT_EQ(ExitCodeFor(totals), 0);
  totals.failed = 1;
  EXPECT_EQ(ExitCodeFor(totals), 1);
  totals.interrupted = true;
  EXPECT_EQ(ExitCodeFor(totals), 130);
}

TEST(CliTexts, JsonEventsAreValidWhateverTheFileName) {
  PlannedTask task;
  task.index = 3;
  task.source = std::string("/in/\"odd\"\\name\t\x01\xff.mp4");  // quote, backslash, control, bad UTF-8
  task.output = "/out/name (1).mp4";
  task.outcome = TaskOutcome::Failed;
  task.message = "line one\nline two";
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(JsonFinishedEvent(task)));
  ASSERT_TRUE(doc.isObject());
  const QJsonObject o = doc.object();
  EXPECT_EQ(o["event"].toString(), "finished");
  EXPECT_EQ(o["index"].toInt(), 3);
  EXPECT_EQ(o["source"].toString(), QString::fromUtf8("/in/\"odd\"\\name\t\x01\xEF\xBF\xBD.mp4"));
  EXPECT_EQ(o["outcome"].toString(), "failed");
  EXPECT_EQ(o["message"].toString(), "line one\nline two");
  EXPECT_EQ(JsonNumber(1.5), "1.5");
  EXPECT_EQ(JsonNumber(2.0), "2");
  EXPECT_EQ(JsonNumber(1.0 / 3), "0.333");
}

TEST(CliTexts, OverallLineShowsPercentSpeedAndTimeLeft) {
  RunTotals totals;
  totals.total = 4;
  totals.converted = 1;
  totals.mediaTotal = 100;
  totals.mediaDone = 25;
  totals.elapsed = 5;  // 5x real time, 75 s of media left: 15 s
  EXPECT_EQ(OverallLine(totals), "Overall 25%  1/4 files  5.0x real time  00:00:15 left");
  totals.mediaDone = 0;
  EXPECT_EQ(OverallLine(totals), "Overall 0%  1/4 files  0.0x real time  --:--:-- left");
  EXPECT_EQ(ClockText(3725), "01:02:05");

  PlannedTask task;
  task.source = "/a/b/clip.mp4";
  task.position = 0.5;
  task.duration = 2;
  EXPECT_EQ(LiveTaskLine(task, 60), "   25%  clip.mp4");
  task.source = "/a/" + std::string(80, 'n') + ".mp4";
  EXPECT_EQ(LiveTaskLine(task, 20).size(), std::string("   25%  ").size() + 20);
}

TEST(CliSources, KeepTreeNamesTheGivenFolderHoweverItIsWritten) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString root = dir.path() + "/shows";
  QDir().mkpath(root + "/s1/extra");
  for (const char* name : {"/a.mp4", "/s1/b.MKV", "/s1/extra/c.wav", "/s1/notes.txt"}) {
    QFile file(root + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const std::vector<std::string> expected = {"shows/", "shows/s1/", "shows/s1/extra/"};
  auto subfolders = [](const std::vector<std::string>& inputs, bool keepTree) {
    std::vector<SourceFile> sources;
    std::string error;
    EXPECT_TRUE(CollectSources(inputs, keepTree, sources, error)) << error;
    std::vector<std::string> result;
    for (const SourceFile& s : sources) result.push_back(s.subfolder);
    return result;
  };
  const std::string path = root.toStdString();
  EXPECT_EQ(subfolders({path}, true), expected);
  EXPECT_EQ(subfolders({path + "/"}, true), expected);
  EXPECT_EQ(subfolders({path + "//"}, true), expected);
  const QString saved = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(root + "/s1"));
  EXPECT_EQ(subfolders({".."}, true), expected);
  EXPECT_EQ(subfolders({"."}, true), (std::vector<std::string>{"s1/", "s1/extra/"}));
  QDir::setCurrent(saved);
  // Without --keep-tree everything goes straight into the output folder; a file
  // given by name is never placed in a subfolder.
  EXPECT_EQ(subfolders({path}, false), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(subfolders({path + "/s1/b.MKV"}, true), (std::vector<std::string>{""}));

  std::vector<SourceFile> sources;
  std::string error;
  EXPECT_FALSE(CollectSources({path + "/missing"}, false, sources, error));
  EXPECT_NE(error.find("missing"), std::string::npos);
}
