// The command line read into settings: parsing, the dialog's value rules, profile
// look-up, the if-exists choice, and the texts the run prints.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <memory>

#include "cli/CliJson.h"
#include "cli/CliOptions.h"
#include "cli/CliReporters.h"
#include "cli/CliSettings.h"
#include "cli/CliSources.h"
#include "conversion/ConversionBuilder.h"
#include "output/OutputCatalogue.h"
#include "output/OutputProfile.h"
#include "output/StoredChoices.h"

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
  const ParsedArguments p = Parse({"a.mp4", "--size=640x480", "-o", "out", "--rotate", "-90", "-j2",
                                   "--vflip", "b dir", "--", "--not-an-option", "-"});
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.options.inputs, (std::vector<std::string>{"a.mp4", "b dir", "--not-an-option", "-"}));
  EXPECT_EQ(*p.options.size, "640x480");
  EXPECT_EQ(*p.options.outputFolder, "out");
  EXPECT_EQ(*p.options.rotate, "-90");
  EXPECT_EQ(*p.options.jobs, "2");
  EXPECT_TRUE(p.options.verticalFlip);
  EXPECT_FALSE(p.options.horizontalFlip);

  const ParsedArguments v =
      Parse({"-vv", "-q", "-0", "--files-from=-", "--no-keep-date", "--upscale", "--subtitles", "burn"});
  ASSERT_TRUE(v.ok) << v.error;
  EXPECT_EQ(v.options.verbose, 2);
  EXPECT_TRUE(v.options.quiet && v.options.nulSeparated);
  EXPECT_EQ(*v.options.filesFrom, "-");
  EXPECT_EQ(v.options.keepDate, false);
  EXPECT_EQ(v.options.upscale, true);

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
  EXPECT_EQ(plan.ifExists, ExistingOutput::KeepBoth);
  EXPECT_GE(plan.jobs, 1);
  EXPECT_TRUE(plan.outputFolder.endsWith('/'));
}

TEST_F(PlanTest, ValuesPassTheDialogsCorrections) {
  ASSERT_TRUE(Plan({"--size",         "721x5001",     "--vb",        " 1500K ", "--ab",           "auto",
                    "--fps",          "23.976",       "--aspect",    "16:9",    "--crop",         "8,4,0,2",
                    "--rotate",       "-270",         "--rate",      "22050",   "--channels",     "1",
                    "--no-audio",     "--hflip",      "--subtitles", "none",    "--audio-tracks", "first",
                    "--no-keep-date", "--no-upscale", "--start",     " 1:30 ",  "--duration",     "20.5"}))
      << error;
  const OutputSettings& s = plan.settings;
  EXPECT_EQ(s.sizeIndex, 15);
  EXPECT_EQ(s.width, "722");                // odd widths are raised by one
  EXPECT_EQ(s.height, "5000");              // and capped
  EXPECT_EQ(s.grid.videoBitrate, "1500K");  // trimmed, kept as typed
  EXPECT_EQ(s.grid.audioBitrate, "Auto");
  EXPECT_EQ(s.grid.frameRate, "23.976");
  EXPECT_EQ(s.grid.aspect, "16:9");
  EXPECT_TRUE(s.grid.crop);
  EXPECT_EQ(s.grid.cropLeft, 8);
  EXPECT_EQ(s.grid.cropTop, 4);
  EXPECT_EQ(s.grid.cropBottom, 2);
  EXPECT_EQ(s.grid.rotate, -270);
  EXPECT_EQ(s.grid.sampleRate, "22050");
  EXPECT_EQ(s.grid.channels, 1);
  EXPECT_TRUE(s.grid.removeAudio && s.grid.horizontalFlip && !s.grid.verticalFlip);
  EXPECT_EQ(s.grid.subtitles, 2);
  EXPECT_EQ(s.grid.audioTracks, 1);
  EXPECT_FALSE(s.grid.keepFileDate);
  EXPECT_EQ(s.grid.upscale, 1);
  EXPECT_EQ(s.grid.startTime, "1:30");
  EXPECT_EQ(s.grid.duration, "20.5");
}

TEST_F(PlanTest, SettingsFromWindowStartFromItsStoredChoicesButNotItsPictureChanges) {
  OutputSettings stored;
  ApplyProfile(stored, 1055);  // iPhone - H.264 Video
  stored.videoQuality = 2;
  stored.grid.videoBitrate = "700k";
  stored.grid.crop = true;
  stored.grid.cropLeft = 16;
  stored.grid.rotate = 90;
  stored.grid.subtitles = 2;
  StoredChoices::Store(stored);
  ASSERT_TRUE(Plan({"--settings-from-window", "--ab", "96k"})) << error;
  const OutputSettings& s = plan.settings;
  EXPECT_EQ(s.profileCaption, "iPhone - H.264 Video");
  EXPECT_EQ(s.videoQuality, 2);
  EXPECT_EQ(s.grid.videoBitrate, "700k");
  EXPECT_EQ(s.grid.audioBitrate, "96k");
  EXPECT_EQ(s.grid.subtitles, 2);
  EXPECT_FALSE(s.grid.crop);
  EXPECT_EQ(s.grid.cropLeft, 0);
  EXPECT_EQ(s.grid.rotate, 0);
}

TEST_F(PlanTest, AQualityDoesNotUndoAnExplicitBitrate) {
  // The dialog's quality choice resets the bitrates; the command line applies the
  // qualities first so both options hold.
  ASSERT_TRUE(Plan({"--vb", "900k", "--video-quality", "high", "--ab", "96k", "--audio-quality", "LOW"}));
  EXPECT_EQ(plan.settings.videoQuality, 0);
  EXPECT_EQ(plan.settings.audioQuality, 2);
  EXPECT_EQ(plan.settings.grid.videoBitrate, "900k");
  EXPECT_EQ(plan.settings.grid.audioBitrate, "96k");
}

TEST_F(PlanTest, BadValuesAreErrorsNamingTheirOption) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--vb", "1.5M"}, "--vb"},
      {{"--vb", "1200kbps"}, "--vb"},
      {{"--ab", "fast"}, "--ab"},
      {{"--rate", "44.1k"}, "--rate"},
      {{"--fps", "fast"}, "--fps"},
      {{"--aspect", "16/9"}, "--aspect"},
      {{"--aspect", "4:3:1"}, "--aspect"},
      {{"--size", "640"}, "--size"},
      {{"--size", "axb"}, "--size"},
      {{"--crop", "1,2,3"}, "--crop"},
      {{"--crop", "1,2,x,4"}, "--crop"},
      {{"--rotate", "300"}, "--rotate"},
      {{"--rotate", "-300"}, "--rotate"},
      {{"--rotate", "ninety"}, "--rotate"},
      {{"--channels", "3"}, "--channels"},
      {{"--video-quality", "best"}, "--video-quality"},
      {{"--audio-quality", "3"}, "--audio-quality"},
      {{"--if-exists", "replace"}, "--if-exists"},
      {{"-j", "0"}, "--jobs"},
      {{"-j", "many"}, "--jobs"},
      {{"--format", "mp5"}, "--format"},
      {{"--profile", "no such thing"}, "--profile"},
      {{"--profile", "iphone"}, "--profile"},  // four captions contain it
      {{"--format", "mp3", "--profile", "1185"}, "--format"},
      {{"--format", "mp3", "--size", "320x240"}, "--size"},  // audio formats have no picture
      {{"--profile", "1185", "--rotate", "90"}, "--rotate"},
      // Values the text rules pass but the engine would refuse for every file.
      {{"--fps", "1e308"}, "--fps"},
      {{"--rate", "0"}, "--rate"},
      {{"--vb", "2147483647k"}, "--vb"},
      {{"--ab", "0"}, "--ab"},
      {{"--aspect", "1:1000"}, "--aspect"},
      {{"--crop", "-5,0,0,0"}, "--crop"},
      {{"--subtitles", "burnt"}, "--subtitles"},
      {{"--audio-tracks", "2"}, "--audio-tracks"},
      {{"--crf", "52"}, "--crf"},  // above x264's scale, though VP9's reaches 63
      {{"--crf", "-1"}, "--crf"},
      {{"--format", "mpg", "--crf", "20"}, "--crf"},  // MPEG-1 has no quality scale
      {{"--deinterlace", "yes"}, "--deinterlace"},
      {{"--start", "1:75"}, "--start"},
      {{"--start", ""}, "--start"},
      {{"--duration", "0"}, "--duration"},
      {{"--duration", "ten"}, "--duration"},
  };
  for (const auto& [args, option] : cases) {
    EXPECT_FALSE(Plan(args)) << args[0] << " " << args[1];
    EXPECT_EQ(ErrorOption(), option) << error;
  }
  ASSERT_FALSE(Plan({"--format", "webmvp9", "--crf", "64"}));
  EXPECT_NE(error.find("0 (best) to 63 for libvpx-vp9"), std::string::npos) << error;
  ASSERT_TRUE(Plan({"--format", "webmvp9", "--crf", "63", "--deinterlace", "auto"})) << error;
  const ConversionJob job = BuildConversion(plan.settings, FileRow{}, "/out/");
  EXPECT_TRUE(QString(job.options).endsWith(" -crf 63 -deinterlace auto")) << job.options.toStdString();
  ASSERT_FALSE(Plan({"--fps", "1e308"}));
  EXPECT_NE(error.find("from 0.01 to 1000"), std::string::npos) << error;  // names the range
}

TEST_F(PlanTest, OutputFolderMustExist) {
  const ParsedArguments none = ParseArguments({"in.mp4"});
  EXPECT_FALSE(BuildPlan(none.options, plan, error));
  EXPECT_EQ(ErrorOption(), "-o");
  for (const char* name : {"/missing", "/missing/a.mp4"}) {  // a typo is not taken as a file
    const ParsedArguments missing = ParseArguments({"-o", (dir.path() + name).toStdString()});
    EXPECT_FALSE(BuildPlan(missing.options, plan, error)) << name;
    EXPECT_EQ(ErrorOption(), "-o");
  }
  // A file name in an existing folder is the output of a single source.
  const ParsedArguments file = ParseArguments({"-o", (dir.path() + "/clip.mkv").toStdString()});
  ASSERT_TRUE(BuildPlan(file.options, plan, error)) << error;
  EXPECT_EQ(plan.outputName, "clip.mkv");
  EXPECT_EQ(plan.outputFolder, dir.path() + "/");
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
  const std::pair<const char*, ExistingOutput> cases[] = {
      {"keep-both", ExistingOutput::KeepBoth},
      {"overwrite", ExistingOutput::Overwrite},
      {"skip", ExistingOutput::Skip},
  };
  for (const auto& [word, mode] : cases) {
    ASSERT_TRUE(Plan({"--if-exists", word})) << error;
    EXPECT_EQ(plan.ifExists, mode) << word;
  }
  EXPECT_EQ(plan.settings.ifExists, ExistingOutput::Skip);  // the record carries it too
}

TEST(CliOutcome, EngineEventsBecomeOutcomes) {
  const std::pair<ConversionOutcome, TaskOutcome> cases[] = {
      {ConversionOutcome::Succeeded({}), TaskOutcome::Converted},
      {ConversionOutcome::Succeeded({"Damaged pictures skipped"}), TaskOutcome::Warning},
      {ConversionOutcome::Failure("bad"), TaskOutcome::Failed},
      // A skip's text is the engine's, whatever its words: nothing is read from it.
      {ConversionOutcome::Skip("Stopped"), TaskOutcome::Skipped},
      {ConversionOutcome::Stop(), TaskOutcome::Stopped},
  };
  for (const auto& [outcome, expected] : cases) {
    PlannedTask task;
    RecordOutcome(task, outcome);
    EXPECT_EQ(task.outcome, expected) << outcome.text;
  }
  RunTotals totals;
  EXPECT_EQ(ExitCodeFor(totals), 0);
  totals.skipped = 1;
  EXPECT_EQ(ExitCodeFor(totals), 0);
  totals.failed = 1;
  EXPECT_EQ(ExitCodeFor(totals), 1);
  totals.warnings = totals.converted = 1;
  EXPECT_EQ(ExitCodeFor(totals), 1);
  totals.interrupted = true;
  EXPECT_EQ(ExitCodeFor(totals), 130);
  totals.signal = SIGHUP;
  EXPECT_EQ(ExitCodeFor(totals), 129);
}

TEST(CliTexts, JsonEventsAreValidWhateverTheFileName) {
  PlannedTask task;
  task.index = 3;
  task.source = std::string("/in/\"odd\"\\name\t\x01\xff.mp4");  // quote, backslash, control, bad UTF-8
  task.output = "/out/name (1).mp4";
  RecordOutcome(task, ConversionOutcome::Succeeded({"line one", "line two"}));
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(JsonFinishedEvent(task)));
  ASSERT_TRUE(doc.isObject());
  const QJsonObject o = doc.object();
  EXPECT_EQ(o["schema"].toInt(), 1);
  EXPECT_EQ(o["event"].toString(), "finished");
  EXPECT_EQ(o["index"].toInt(), 3);
  EXPECT_EQ(o["source"].toString(), QString::fromUtf8("/in/\"odd\"\\name\t\x01\xEF\xBF\xBD.mp4"));
  EXPECT_EQ(QByteArray::fromBase64(o["source_bytes"].toString().toLatin1()).toStdString(), task.source);
  EXPECT_FALSE(o.contains("output_bytes"));  // only where the text cannot give the bytes
  EXPECT_EQ(o["outcome"].toString(), "warning");
  EXPECT_EQ(o["message"].toString(), "line one\nline two");
  EXPECT_EQ(o["notes"].toArray(), (QJsonArray{"line one", "line two"}));
}

TEST(CliTexts, NamesReachTheTerminalEscaped) {
  EXPECT_EQ(TerminalText("evil\x1b[2J\x1b]0;pwned\a\rOK\tx\ny\x7f\xff\xc2\x9b.mp4"),
            "evil\\e[2J\\e]0;pwned\\a\\rOK\\tx\\ny\\x7F\\xFF\\xC2\\x9B.mp4");
  EXPECT_EQ(TerminalText("caf\xc3\xa9 \xe6\x98\xa0\xe7\x94\xbb.mp4"),
            "caf\xc3\xa9 \xe6\x98\xa0\xe7\x94\xbb.mp4");
  PlannedTask task;
  task.source = "/in/a\tb\nc.mp4";
  task.output = "/out/a\tb\nc.mp3";
  task.job.options = "-vn";
  EXPECT_EQ(DryRunLine(task), "/in/a\\tb\\nc.mp4\t/out/a\\tb\\nc.mp3\t-vn\tsize unknown");
  task.estimatedBytes = 3 * 1024 * 1024 + 200 * 1024;
  EXPECT_TRUE(DryRunLine(task).ends_with("\t-vn\tsize about 3.2 MB"));
}

TEST(CliTexts, OverallLineShowsPercentSpeedAndTimeLeft) {
  RunTotals totals;
  totals.total = 4;
  totals.converted = 1;
  totals.mediaTotal = 100;
  totals.mediaDone = 25;
  totals.elapsed = 5;  // 5x real time, 75 s of media left: 15 s
  EXPECT_EQ(OverallLine(totals), "Overall 25%  1/4 files  5.0x real time  00:00:15 left");
  EXPECT_EQ(OverallLine(totals, 20), "Overall 25%  1/4 fil");
  totals.mediaDone = 0;
  EXPECT_EQ(OverallLine(totals), "Overall 0%  1/4 files  0.0x real time  --:--:-- left");
  EXPECT_EQ(ClockText(3725), "01:02:05");

  PlannedTask task;
  task.source = "/a/b/clip.mp4";
  task.position = 0.5;
  task.duration = 2;
  EXPECT_EQ(LiveTaskLine(task, 60), "   25%  clip.mp4");
  // Cut in the middle to the terminal's width, wide characters counted twice.
  task.source = "/a/" + std::string(30, 'n') + "-end.mp4";
  EXPECT_EQ(LiveTaskLine(task, 24), "   25%  nnnnnnn...nd.mp4");
  task.source = "/a/\xe6\x98\xa0\xe7\x94\xbb\xe6\x98\xa0\xe7\x94\xbb\xe6\x98\xa0\xe7\x94\xbb.mp4";
  const std::string line = LiveTaskLine(task, 18);
  EXPECT_LE(TextColumns(line), 18u) << line;
  EXPECT_NE(line.find("..."), std::string::npos);
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
    for (const SourceFile& s : sources)
      result.push_back(s.subfolder);
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

TEST(CliTexts, EveryPrintedProfileCountIsTheCatalogues) {
  const QString count = QString::number(ProfileCatalogue().size());
  EXPECT_NE(UsageText(ProfileCatalogue().size()).find("the " + count.toStdString() + " profiles"),
            std::string::npos);
  // Documents that cannot ask the catalogue themselves, each with "<count> " before a phrase.
  const std::pair<const char*, const char*> documents[] = {
      {"/README.md", " device and web profiles"},
      {"/README.md", " profiles. Results go"},
      {"/resources/desktop/com.veltranesoftware.VideoConverter.metainfo.xml", " ready-made"},
      {"/cmake/Install.cmake", " ready-made profiles"},
  };
  for (const auto& [path, phrase] : documents) {
    QFile file(QString(VELTRANE_SOURCE_DIR) + path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    const QString text = QString::fromUtf8(file.readAll()).replace("\r\n", "\n");
    EXPECT_TRUE(text.contains(count + phrase)) << path << ": " << phrase;
  }
}

TEST(CliTexts, WarningsAreCountedAndTheirNotesGoToStandardError) {
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  ASSERT_TRUE(out && err);
  auto text = [](std::FILE* file) {
    std::rewind(file);
    std::string all;
    for (int c; (c = std::fgetc(file)) != EOF;)
      all.push_back(static_cast<char>(c));
    return all;
  };
  PlannedTask task;
  task.source = "/in/a.mp4";
  task.output = "/out/a.mp4";
  RecordOutcome(task, ConversionOutcome::Succeeded({"Damaged pictures skipped", "The file ended early"}));
  RunTotals totals;
  totals.total = totals.converted = totals.warnings = 1;
  const std::unique_ptr<RunReporter> plain = MakePlainReporter(out, err, false);
  plain->Finished(task);
  plain->Summary(totals);
  EXPECT_EQ(text(out).rfind("converted: /in/a.mp4 -> /out/a.mp4\n1 file: 1 converted (1 with warnings), ", 0),
            0u)
      << text(out);
  EXPECT_EQ(text(err),
            "warning: /in/a.mp4: Damaged pictures skipped\nwarning: /in/a.mp4: The file ended early\n");
  EXPECT_EQ(ExitCodeFor(totals), 0);
  std::fclose(out);
  std::fclose(err);
}
