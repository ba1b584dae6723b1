#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "engine/FFPlayer.h"
#include "engine/playback/PlayerClock.h"
#include "engine/playback/PlayerTimeline.h"
#include "engine/playback/PlayerWaveform.h"
#include "support/Fixtures.h"
#include "support/WaitUntil.h"

namespace {

using namespace std::chrono_literals;

// Collects what a player reports, from whichever thread.
struct Recorder : PlayerSink {
  std::mutex mutex;
  std::vector<int64_t> durations, positions, frame_positions;
  std::vector<int32_t> states;
  std::shared_ptr<const PlayerFrame> last_frame;

  void PresentFrame(std::shared_ptr<const PlayerFrame> frame) override {
    std::lock_guard lock(mutex);
    frame_positions.push_back(frame->position);
    last_frame = std::move(frame);
  }
  void Attach(FFPlayer& player) {
    player.OnDuration = [this](int64_t d) {
      std::lock_guard lock(mutex);
      durations.push_back(d);
    };
    player.OnPosition = [this](int64_t p) {
      std::lock_guard lock(mutex);
      positions.push_back(p);
    };
    player.OnState = [this](int32_t s) {
      std::lock_guard lock(mutex);
      states.push_back(s);
    };
  }
  bool SawState(int32_t s) {
    std::lock_guard lock(mutex);
    return std::find(states.begin(), states.end(), s) != states.end();
  }
  size_t FrameCount() {
    std::lock_guard lock(mutex);
    return frame_positions.size();
  }
};

class PlayerFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new QTemporaryDir;
    ASSERT_TRUE(Fixtures::VideoWithAudio(Path("clip.mp4"), 1.0));
    ASSERT_TRUE(Fixtures::VideoOnly(Path("picture only.avi"), 1.0));
    ASSERT_TRUE(Fixtures::AudioOnly(Path("tone \"quoted\" ünï.m4a"), 1.0));
    QFile broken(Path("broken.mp4"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4096, '\x5a'));
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  static QString Path(const QString& name) { return dir_->filePath(name); }
  static std::string Native(const QString& name) { return QFile::encodeName(Path(name)).toStdString(); }

  static QTemporaryDir* dir_;
};
QTemporaryDir* PlayerFiles::dir_ = nullptr;

TEST(PlayerClock, HoldsRunsAndPauses) {
  playback::PlayerClock clock;
  clock.Hold(5000);
  EXPECT_TRUE(clock.Held());
  EXPECT_EQ(clock.Get(1000000), 5000);
  clock.Set(10000, 100);
  EXPECT_FALSE(clock.Held());
  EXPECT_EQ(clock.Get(600), 10500);
  clock.SetPaused(true, 1100);
  EXPECT_EQ(clock.Get(999999), 11000);
  clock.SetPaused(false, 2000);
  EXPECT_EQ(clock.Get(2250), 11250);
  // Re-anchoring while paused keeps it paused at the new value.
  clock.SetPaused(true, 3000);
  clock.Set(42, 3000);
  EXPECT_EQ(clock.Get(9000), 42);
}

TEST(PlayerTimeline, CarriesOnAcrossRestartingStampsButNotAcrossJitter) {
  playback::PlayerTimeline timeline;
  EXPECT_EQ(timeline.Place(500000, 0), 500000);       // the first frame may start anywhere
  EXPECT_EQ(timeline.Place(460000, 540000), 460000);  // reordering jitter stays as it is
  EXPECT_EQ(timeline.Place(0, 600000), 600000);       // the stamps start again: carried on
  EXPECT_EQ(timeline.Place(40000, 640000), 640000);
  EXPECT_EQ(timeline.Place(1000000, 1640000), 1600000);  // a step of 40 ms back is jitter
  EXPECT_EQ(timeline.Place(0, 1640000), 1640000);        // a second join adds up
  EXPECT_EQ(timeline.Place(40000, 1680000), 1680000);
  timeline.Reset();  // a seek: the file's own times again
  EXPECT_EQ(timeline.Place(300000, 0), 300000);
}

TEST(PlayerWaveform, TraceFollowsTheSamples) {
  playback::PlayerWaveRing ring(8);
  const int16_t stereo[] = {100, 300, -200, -200, 0, 0};
  ring.Append(stereo, 3, 2);
  EXPECT_EQ(ring.Snapshot(), (std::vector<int16_t>{200, -200, 0}));
  std::vector<int16_t> many(10);
  for (int i = 0; i < 10; ++i)
    many[i] = static_cast<int16_t>(i);
  ring.Append(many.data(), 10, 1);
  EXPECT_EQ(ring.Snapshot(), (std::vector<int16_t>{2, 3, 4, 5, 6, 7, 8, 9}));  // oldest dropped

  const int w = 40, h = 21;
  auto flat = playback::RenderPlayerWaveform(std::vector<int16_t>(100, 0), w, h);
  auto loud = playback::RenderPlayerWaveform(std::vector<int16_t>(100, 32767), w, h);
  ASSERT_EQ(flat.size(), size_t{w * h});
  EXPECT_NE(flat[10 * w + 5], loud[10 * w + 5]);  // the trace left the centre line
  EXPECT_NE(loud[1 * w + 5], flat[1 * w + 5]);    // and sits near the top
  EXPECT_TRUE(playback::RenderPlayerWaveform({1, 2, 3}, 0, 10).empty());
}

TEST_F(PlayerFiles, PlaysToTheEndWithSoundAndPictures) {
  Recorder rec;  // outlives the player, which calls into it
  FFPlayer player;
  rec.Attach(player);
  ASSERT_TRUE(player.Open(Native("clip.mp4"), &rec, false)) << player.LastErrorMessage();
  EXPECT_TRUE(player.HasAudio());
  EXPECT_TRUE(player.HasVideo());
  EXPECT_EQ(player.PlayState(), FFPlayer::kStatePlaying);
  EXPECT_NE(player.ScreenHandle(), 0u);
  ASSERT_TRUE(WaitUntil([&] { return rec.SawState(FFPlayer::kEventEndOfFile); }));
  EXPECT_EQ(player.PlayState(), FFPlayer::kStateEnded);
  EXPECT_TRUE(player.Paused());
  std::lock_guard lock(rec.mutex);
  ASSERT_EQ(rec.durations.size(), 1u);
  EXPECT_NEAR(rec.durations[0], 1000000, 60000);
  EXPECT_GE(rec.frame_positions.size(), 20u);  // 25 pictures in the clip, a few may be late
  EXPECT_TRUE(std::is_sorted(rec.frame_positions.begin(), rec.frame_positions.end()));
  ASSERT_FALSE(rec.positions.empty());
  EXPECT_GT(rec.positions.back(), 800000);
  EXPECT_EQ(rec.states.front(), FFPlayer::kEventScreenReady);
  const PlayerStatistics stats = player.Statistics();
  EXPECT_LT(stats.driftAbsMaxUs, 200000);  // pictures stay with the sound
}

TEST_F(PlayerFiles, PausedSeekShowsTheTargetPictureAndResumes) {
  Recorder rec;  // outlives the player, which calls into it
  FFPlayer player;
  rec.Attach(player);
  player.SetFrameWidth(160);
  player.SetFrameHeight(160);
  player.UpdateScreen();
  ASSERT_TRUE(player.Open(Native("clip.mp4"), &rec, true));
  ASSERT_TRUE(WaitUntil([&] { return rec.FrameCount() == 1; }));  // the first picture shows while paused
  {
    std::lock_guard lock(rec.mutex);
    EXPECT_EQ(rec.last_frame->width, 160);  // 4:3 kept inside 160 x 160
    EXPECT_EQ(rec.last_frame->height, 120);
    EXPECT_EQ(rec.last_frame->pixels.size(), size_t{160 * 120});
  }
  ASSERT_TRUE(player.Seek(600000, 0, 0, false));  // low half, high half
  EXPECT_EQ(player.Position(), 600000);
  ASSERT_TRUE(WaitUntil([&] { return rec.FrameCount() == 2; }));
  {
    std::lock_guard lock(rec.mutex);
    EXPECT_GE(rec.frame_positions.back(), 560000);
    EXPECT_LE(rec.frame_positions.back(), 640000);
  }
  std::this_thread::sleep_for(150ms);
  EXPECT_EQ(rec.FrameCount(), 2u);  // still paused
  EXPECT_EQ(player.PlayState(), FFPlayer::kStatePaused);
  player.TogglePause();
  EXPECT_FALSE(player.Paused());
  ASSERT_TRUE(WaitUntil([&] { return rec.SawState(FFPlayer::kEventEndOfFile); }));
  // Rewinding at the end leaves a paused player at 0.
  EXPECT_TRUE(player.Seek(0, 0, FFPlayer::kSeekKeyFrame, false));
  player.Pause();
  EXPECT_EQ(player.PlayState(), FFPlayer::kStatePaused);
  ASSERT_TRUE(WaitUntil([&] { return player.Position() == 0; }, 2000ms));
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(player.Position(), 0);  // the clock does not run while paused
}

TEST_F(PlayerFiles, SoundOnlyFileShowsAWaveformAndEnds) {
  Recorder rec;  // outlives the player, which calls into it
  FFPlayer player;
  rec.Attach(player);
  ASSERT_TRUE(player.Open(Native("tone \"quoted\" ünï.m4a"), &rec, false)) << player.LastErrorMessage();
  EXPECT_FALSE(player.HasVideo());
  EXPECT_NE(player.ScreenHandle(), 0u);
  ASSERT_TRUE(WaitUntil([&] { return rec.SawState(FFPlayer::kEventEndOfFile); }));
  EXPECT_GE(rec.FrameCount(), 10u);
  player.ShowAudio = FFPlayer::saNone;
  ASSERT_TRUE(player.Open(Native("tone \"quoted\" ünï.m4a"), &rec, false));
  EXPECT_EQ(player.ScreenHandle(), 0u);
}

TEST_F(PlayerFiles, PictureOnlyFilePlaysOnTheWallClock) {
  Recorder rec;  // outlives the player, which calls into it
  FFPlayer player;
  rec.Attach(player);
  ASSERT_TRUE(player.Open(Native("picture only.avi"), &rec, false)) << player.LastErrorMessage();
  EXPECT_FALSE(player.HasAudio());
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(WaitUntil([&] { return rec.SawState(FFPlayer::kEventEndOfFile); }));
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GT(took, 700ms);  // paced, not decoded as fast as possible
  EXPECT_GE(rec.FrameCount(), 20u);
}

TEST_F(PlayerFiles, WithoutASoundDeviceTheClockStillRuns) {
  const char* saved = std::getenv("SDL_AUDIODRIVER");
  const std::string previous = saved ? saved : "";
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  Recorder rec;  // outlives the player, which calls into it
  FFPlayer player;
  rec.Attach(player);
  const bool opened = player.Open(Native("clip.mp4"), &rec, false);
  if (saved) {
    setenv("SDL_AUDIODRIVER", previous.c_str(), 1);
  } else {
    unsetenv("SDL_AUDIODRIVER");
  }
  ASSERT_TRUE(opened) << player.LastErrorMessage();
  EXPECT_FALSE(player.Statistics().audioDevice);
  ASSERT_TRUE(WaitUntil([&] { return rec.SawState(FFPlayer::kEventEndOfFile); }));
  EXPECT_GE(rec.FrameCount(), 20u);
}

TEST_F(PlayerFiles, BadInputFailsWithAMessage) {
  Recorder rec;  // outlives the player, which calls into it
  FFPlayer player;
  rec.Attach(player);
  EXPECT_FALSE(player.Open(Native("broken.mp4"), &rec, false));
  EXPECT_FALSE(player.LastErrorMessage().empty());
  EXPECT_FALSE(player.Open(Native("missing.mp4"), &rec, false));
  EXPECT_NE(player.LastErrorMessage().find("missing.mp4"), std::string::npos);
  EXPECT_FALSE(player.Open("", &rec, false));
  EXPECT_FALSE(player.Seek(int64_t{0}, 0, false));
  EXPECT_EQ(player.PlayState(), FFPlayer::kStateStopped);
  player.TogglePause();  // harmless on a closed player
  player.Stop(true);
  EXPECT_TRUE(rec.states.empty());
  EXPECT_TRUE(rec.durations.empty());
}

TEST_F(PlayerFiles, NameThatLooksLikeAProtocolIsStillALocalFile) {
  // Read as a protocol, this name would open "absent.mp4", which does not exist.
  ASSERT_TRUE(QFile::copy(Path("clip.mp4"), Path("concat:absent.mp4")));
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_->path()));
  FFPlayer player;
  const bool opened = player.Open("concat:absent.mp4", nullptr, true);
  QDir::setCurrent(cwd);
  EXPECT_TRUE(opened) << player.LastErrorMessage();
}

TEST_F(PlayerFiles, StopEndsEventsAndSettingsStay) {
  Recorder rec;  // outlives the player, which calls into it
  FFPlayer player;
  rec.Attach(player);
  player.SetAudioVolume(300);
  EXPECT_EQ(player.AudioVolume(), 128);
  player.SetAudioVolume(-4);
  EXPECT_EQ(player.AudioVolume(), 0);
  player.SetMute(true);
  ASSERT_TRUE(player.Open(Native("clip.mp4"), &rec, false));
  ASSERT_TRUE(WaitUntil([&] { return rec.FrameCount() > 2; }));
  player.Stop(true);
  EXPECT_EQ(player.PlayState(), FFPlayer::kStateStopped);
  EXPECT_EQ(player.ScreenHandle(), 0u);
  EXPECT_TRUE(player.Mute());
  size_t frames = 0, states = 0;
  {
    std::lock_guard lock(rec.mutex);
    frames = rec.frame_positions.size();
    states = rec.states.size();
    EXPECT_EQ(rec.states.back(), FFPlayer::kStateStopped);
  }
  std::this_thread::sleep_for(200ms);
  std::lock_guard lock(rec.mutex);
  EXPECT_EQ(rec.frame_positions.size(), frames);
  EXPECT_EQ(rec.states.size(), states);
}

}  // namespace

// A phone's portrait clip (stored sideways with a display rotation) is shown upright,
// turned the way the ffmpeg tool turns it.
TEST_F(PlayerFiles, SidewaysStoredClipIsShownUpright) {
  const QString plain = Path("quarters.mp4"), turned = Path("portrait.mp4");
  ASSERT_TRUE(Fixtures::Make(plain, {"-f", "lavfi", "-i",
                                     "color=red:s=160x120:d=1[a];color=blue:s=160x120:d=1[b];"
                                     "[a][b]hstack[t];[t]split[u][v];[u][v]vstack",
                                     "-pix_fmt", "yuv420p", "-c:v", "libx264", "-qp", "0"}));
  ASSERT_TRUE(Fixtures::Make(turned, {"-i", plain, "-c", "copy", "-metadata:s:v:0", "rotate=90"}));
  // The tool's own upright first picture, one pixel per 40x40 block.
  // Made through the fixture runner (no process starts while player threads run
  // under ThreadSanitizer).
  const QString raw = Path("portrait first picture.bgra");
  ASSERT_TRUE(Fixtures::Make(
      raw, {"-i", turned, "-frames:v", "1", "-vf", "scale=6:8:flags=area,format=bgra", "-f", "rawvideo"}));
  QFile rawFile(raw);
  ASSERT_TRUE(rawFile.open(QIODevice::ReadOnly));
  const QByteArray expected = rawFile.readAll();
  ASSERT_EQ(expected.size(), 6 * 8 * 4);

  Recorder rec;
  FFPlayer player;
  rec.Attach(player);
  player.SetFrameWidth(240);
  player.SetFrameHeight(320);
  player.UpdateScreen();
  ASSERT_TRUE(player.Open(QFile::encodeName(turned).toStdString(), &rec, true)) << player.LastErrorMessage();
  ASSERT_TRUE(WaitUntil([&] { return rec.FrameCount() > 0; }));
  std::lock_guard lock(rec.mutex);
  const PlayerFrame& f = *rec.last_frame;
  ASSERT_EQ(f.width, 240);
  ASSERT_EQ(f.height, 320);
  // Compare the red/blue halves: left column against the tool's left column.
  auto red_at = [&f](int x, int y) {
    return ((f.pixels[static_cast<size_t>(y) * f.width + x] >> 16) & 255) > 128;
  };
  auto tool_red_at = [&expected](int x, int y) {
    return static_cast<unsigned char>(expected[(y * 6 + x) * 4 + 2]) > 128;  // BGRA: red is the third byte
  };
  EXPECT_EQ(red_at(20, 20), tool_red_at(0, 0));
  EXPECT_EQ(red_at(20, 300), tool_red_at(0, 7));
  EXPECT_EQ(red_at(220, 20), tool_red_at(5, 0));
  EXPECT_NE(red_at(20, 20), red_at(20, 300)) << "the halves should lie above each other once upright";
}

TEST_F(PlayerFiles, HostileAspectRatiosGetPicturesOfABoundedSize) {
  // Shown at width x aspect, these would need tens of gigabytes per picture.
  ASSERT_TRUE(Fixtures::Make(Path("wide sar.mp4"),
                             {"-f", "lavfi", "-i", "color=c=blue:size=3840x2160:rate=25:duration=0.2", "-vf",
                              "setsar=r=2160/1:max=100000", "-c:v", "libx264", "-preset", "ultrafast"}));
  ASSERT_TRUE(Fixtures::Make(Path("tall sar.mp4"),
                             {"-f", "lavfi", "-i", "color=c=red:size=320x240:rate=25:duration=0.2", "-vf",
                              "setsar=r=1/50000:max=100000", "-c:v", "libx264", "-preset", "ultrafast"}));
  for (const char* file : {"wide sar.mp4", "tall sar.mp4"}) {
    for (const bool huge_screen : {false, true}) {
      Recorder rec;
      FFPlayer player;
      rec.Attach(player);
      if (huge_screen) {  // a screen that claims to be enormous is held to a ceiling too
        player.SetFrameWidth(1 << 30);
        player.SetFrameHeight(1 << 30);
        player.UpdateScreen();
      }
      ASSERT_TRUE(player.Open(Native(file), &rec, false)) << player.LastErrorMessage();
      ASSERT_TRUE(WaitUntil([&] { return rec.FrameCount() > 0; })) << file;
      player.Stop(false);
      std::lock_guard lock(rec.mutex);
      EXPECT_LE(rec.last_frame->width, huge_screen ? 8192 : 4096) << file;
      EXPECT_LE(rec.last_frame->height, huge_screen ? 8192 : 4096) << file;
      EXPECT_GE(rec.last_frame->width, 2);
      EXPECT_GE(rec.last_frame->height, 2);
    }
  }
}

TEST_F(PlayerFiles, AFailureOnAPlayerThreadEndsThePlaybackNotTheProgram) {
  struct ThrowingSink : Recorder {
    void PresentFrame(std::shared_ptr<const PlayerFrame>) override { throw std::bad_alloc(); }
  };
  ThrowingSink sink;
  FFPlayer player;
  sink.Attach(player);
  ASSERT_TRUE(player.Open(Native("clip.mp4"), &sink, false)) << player.LastErrorMessage();
  ASSERT_TRUE(WaitUntil([&] { return sink.SawState(FFPlayer::kStateStopped); }));
  EXPECT_EQ(player.PlayState(), FFPlayer::kStateStopped);
  EXPECT_NE(player.LastErrorMessage().find("Out of memory"), std::string::npos) << player.LastErrorMessage();
  // The player is still usable.
  Recorder rec;
  rec.Attach(player);
  ASSERT_TRUE(player.Open(Native("clip.mp4"), &rec, false)) << player.LastErrorMessage();
  EXPECT_TRUE(WaitUntil([&] { return rec.FrameCount() > 0; }));
  player.Stop(false);
}

TEST_F(PlayerFiles, HandlersMayStopOrDestroyThePlayer) {
  {
    // Stop from the first picture's event; the player opens again afterwards.
    Recorder rec;
    FFPlayer player;
    rec.Attach(player);
    std::atomic<bool> asked{false}, stopped{false};
    player.OnState = [&](int32_t state) {
      if (state != FFPlayer::kEventScreenReady || asked.exchange(true)) return;
      player.Stop(true);
      stopped = true;  // the test goes on only once Stop has returned
    };
    ASSERT_TRUE(player.Open(Native("clip.mp4"), &rec, false)) << player.LastErrorMessage();
    ASSERT_TRUE(WaitUntil([&] { return stopped.load(); }));
    EXPECT_EQ(player.PlayState(), FFPlayer::kStateStopped);
    rec.Attach(player);
    ASSERT_TRUE(player.Open(Native("clip.mp4"), &rec, false)) << player.LastErrorMessage();
    EXPECT_TRUE(WaitUntil([&] { return rec.FrameCount() > 0; }));
  }
  {
    // Destroyed from its own event: no further events, nothing left running.
    Recorder rec;
    auto* player = new FFPlayer;
    std::atomic<bool> destroyed{false};
    std::atomic<int> after{0};
    player->OnPosition = [&](int64_t) {
      if (destroyed) ++after;
    };
    player->OnState = [&](int32_t state) {
      if (destroyed) {
        ++after;
      } else if (state == FFPlayer::kEventScreenReady) {
        delete player;
        destroyed = true;
      }
    };
    ASSERT_TRUE(player->Open(Native("clip.mp4"), &rec, false)) << player->LastErrorMessage();
    ASSERT_TRUE(WaitUntil([&] { return destroyed.load(); }));
    const size_t frames = rec.FrameCount();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(after, 0);
    EXPECT_EQ(rec.FrameCount(), frames);
  }
}

TEST_F(PlayerFiles, TheEndComesOnlyAfterTheBufferedSoundHasPlayed) {
  // Pictures for 0.3 s, sound for 1.5 s: the pictures run out long before the sound.
  ASSERT_TRUE(Fixtures::Make(Path("short picture.mp4"),
                             {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=0.3", "-f", "lavfi",
                              "-i", "sine=frequency=440:sample_rate=48000:duration=1.5", "-c:v", "libx264",
                              "-preset", "ultrafast", "-c:a", "aac"}));
  Recorder rec;
  FFPlayer player;
  rec.Attach(player);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(player.Open(Native("short picture.mp4"), &rec, false)) << player.LastErrorMessage();
  ASSERT_TRUE(WaitUntil([&] { return rec.SawState(FFPlayer::kEventEndOfFile); }));
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GT(took, 1300ms) << "the end came while sound was still waiting to be heard";
  std::lock_guard lock(rec.mutex);
  ASSERT_FALSE(rec.positions.empty());
  EXPECT_GT(rec.positions.back(), 1400000);
}

TEST_F(PlayerFiles, JoinedRecordingsKeepRisingPictureTimes) {
  // Two recordings copied one after the other, as a camera splits them: the time
  // stamps of the second start again from where the first began.
  const QStringList part = {"-f",   "lavfi",   "-i",      "testsrc=size=160x120:rate=25:duration=0.6",
                            "-f",   "lavfi",   "-i",      "sine=frequency=440:sample_rate=48000:duration=0.6",
                            "-c:v", "libx264", "-preset", "ultrafast",
                            "-c:a", "aac",     "-f",      "mpegts"};
  ASSERT_TRUE(Fixtures::Make(Path("part1.ts"), part));
  ASSERT_TRUE(Fixtures::Make(Path("part2.ts"), part));
  QFile joined(Path("joined.ts"));
  ASSERT_TRUE(joined.open(QIODevice::WriteOnly));
  for (const char* name : {"part1.ts", "part2.ts"}) {
    QFile piece(Path(name));
    ASSERT_TRUE(piece.open(QIODevice::ReadOnly));
    joined.write(piece.readAll());
  }
  joined.close();

  Recorder rec;
  FFPlayer player;
  rec.Attach(player);
  ASSERT_TRUE(player.Open(Native("joined.ts"), &rec, false)) << player.LastErrorMessage();
  ASSERT_TRUE(WaitUntil([&] { return rec.SawState(FFPlayer::kEventEndOfFile); }));
  std::lock_guard lock(rec.mutex);
  EXPECT_GE(rec.frame_positions.size(), 20u);
  EXPECT_TRUE(std::is_sorted(rec.frame_positions.begin(), rec.frame_positions.end()));
  EXPECT_GT(rec.frame_positions.back(), 900000) << "the second recording plays after the first";
  EXPECT_LT(player.Statistics().framesDropped, 10) << "the second recording was not rushed through";
}

// A damaged middle is played through to the real end; a file cut short ends
// where its data ends, told apart from a normal end.
TEST_F(PlayerFiles, DamagePlaysThroughAndAnEarlyEndIsSaid) {
  ASSERT_TRUE(Fixtures::Recording(Path("whole.mp4"), 3));
  ASSERT_TRUE(Fixtures::Damaged(Path("whole.mp4"), Path("damaged.mp4")));
  ASSERT_TRUE(Fixtures::CutShort(Path("whole.mp4"), Path("cut.mp4"), 0.5));
  for (const char* name : {"damaged.mp4", "cut.mp4"}) {
    SCOPED_TRACE(name);
    Recorder rec;  // outlives the player, which calls into it
    FFPlayer player;
    rec.Attach(player);
    ASSERT_TRUE(player.Open(Native(name), &rec, false)) << player.LastErrorMessage();
    const bool cut = std::string(name) == "cut.mp4";
    const int32_t ending = cut ? FFPlayer::kEventEndedEarly : FFPlayer::kEventEndOfFile;
    ASSERT_TRUE(WaitUntil([&] { return rec.SawState(ending); }));
    EXPECT_EQ(player.PlayState(), FFPlayer::kStateEnded);
    std::lock_guard lock(rec.mutex);
    ASSERT_FALSE(rec.positions.empty());
    EXPECT_NEAR(rec.positions.back(), cut ? 1500000 : 3000000, 400000);
    EXPECT_EQ(player.LastErrorMessage().find("Playback stopped at 00:00:0"), cut ? 0u : std::string::npos)
        << player.LastErrorMessage();
  }
}
