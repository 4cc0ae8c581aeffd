#include <gtest/gtest.h>
#include <sys/resource.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/transform_models.h"
#include "tests/support/case_names.h"
#include "tests/support/child_process.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/file_failures.h"
#include "tests/support/other_user.h"
#include "tests/support/special_files.h"
#include "toolkit/core/atomic_file.h"
#include "toolkit/core/message.h"

namespace korvanta {
namespace {

using testing::PrintTo;

namespace fs = std::filesystem;
using E = TransformEngine;
using Method = void (TransformEngine::*)(std::int64_t);

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

using Eight = std::array<double, 8>;

CoefficientValues Values(const Eight& values, const Eight& sds) {
  CoefficientValues c;
  c.value = values;
  c.sd = sds;
  return c;
}

void StoreCoeff(const Eight& values, const Eight& sds) {
  for (std::size_t k = 0; k < 8; ++k) {
    E::Coeff(static_cast<std::int64_t>(k) + 1, 1) = values[k];
    E::Coeff(static_cast<std::int64_t>(k) + 1, 2) = sds[k];
  }
}

// ---- The formulas, by hand-checked cases.

struct ModelCase {
  const char* name;
  const Model& model;
  double x;
  double y;
  Eight values;
  Eight sds;
  TransformedPoint expected;
};

class ModelFormulas : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ModelFormulas, GiveTheCoordinatesAndTheirDeviations) {
  const ModelCase& c = GetParam();
  const TransformedPoint p = c.model.transform(c.x, c.y, Values(c.values, c.sds));
  EXPECT_NEAR(p.E, c.expected.E, 1e-12);
  EXPECT_NEAR(p.N, c.expected.N, 1e-12);
  EXPECT_NEAR(p.SDe, c.expected.SDe, 1e-12);
  EXPECT_NEAR(p.SDn, c.expected.SDn, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelFormulas,
    ::testing::Values(
        // E = a1 x - a2 y + a3, N = a2 x + a1 y + a4; SDe = sqrt(4 + 4 + 1),
        // SDn = sqrt((2*2)^2 + (1*1)^2 + 8^2) = 9: sigma a1 goes with y in N.
        ModelCase{"Conformal",
                  kConformal,
                  1,
                  2,
                  {3, 0.5, 10, 20},
                  {2, 1, 1, 8},
                  {3 * 1 - 0.5 * 2 + 10, 0.5 * 1 + 3 * 2 + 20, 3, 9}},
        // SDe = sqrt(2^2 + 4^2 + 4^2) = 6, SDn = sqrt(2^2 + 3^2 + 6^2) = 7.
        ModelCase{"Affine", kAffine, 2, 1, {1, 2, 3, 4, 5, 6}, {1, 4, 4, 1, 3, 6}, {7, 19, 6, 7}},
        // D = 2, P = 4, Q = 2: SDe^2 = 1 + 1 + 1 + 0.25 + 0.25,
        // SDn^2 = 4 + 0 + 4 + 0.0625 + 0.0625.
        ModelCase{"Projective",
                  kProjective,
                  2,
                  1,
                  {1, 1, 1, 0, 2, 0, 0.5, 0},
                  {1, 2, 2, 2, 0, 4, 0.25, 0.5},
                  {2, 1, std::sqrt(3.5), std::sqrt(8.125)}}),
    testing::ByName());

TEST(ModelFormulas, ProjectiveWithoutPerspectiveIsTheAffineModel) {
  const Eight values{1.0003, -0.021, 431250.125, 0.0207, 0.9991, -5401730.5, 0, 0};
  const Eight sds{2e-6, 3e-6, 0.012, 4e-6, 5e-6, 0.015, 0, 0};
  const std::vector<std::pair<double, double>> points{
      {0.0, 0.0}, {1.5, -2.25}, {1234.5, 6789.25}, {-3e5, 4e5}};
  for (const auto& [x, y] : points) {
    const TransformedPoint p = kProjective.transform(x, y, Values(values, sds));
    const TransformedPoint a = kAffine.transform(x, y, Values(values, sds));
    EXPECT_EQ(p.E, a.E) << x << ", " << y;
    EXPECT_EQ(p.N, a.N);
    EXPECT_EQ(p.SDe, a.SDe);
    EXPECT_EQ(p.SDn, a.SDn);
  }
}

TEST(TransformedLineText, NonFiniteValuesAreWrittenAsSuch) {
  // x = -1 lies on the line 1 x + 0 y + 1 = 0, where P = 0 and Q = -2.
  const TransformedPoint p = kProjective.transform(
      -1, 1, Values({1, 0, 1, 2, 0, 0, 1, 0}, {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1}));
  EXPECT_EQ(TransformedLine("Q", p), "Q, NaN, -Infinity, NaN, Infinity");
}

// ---- Through the engine: the file, the results window and the messages.

class Transformation : public testing::EngineTest {
 protected:
  void ChooseOutput(const std::string& earlier = "earlier content\n") {
    engine.OutputFile = folder.Write("out.txt", earlier);
  }
  std::string Output() const { return testing::ReadBytes(folder.Path() / "out.txt"); }

  // Two points, exact coefficients and an output with earlier content, then
  // the case's own preparation for the write to fail: gives why the case
  // cannot be made here, or "".
  std::string ReadyForAFailedWrite(
      const std::function<std::string(const testing::TempFolder&)>& prepare);

  // The calls one run makes on the results window.
  static std::vector<std::string> RunCalls(const std::string& title,
                                           const std::vector<std::string>& lines) {
    std::vector<std::string> calls{"SetTitle(" + title + ")", "SetVisible(true)"};
    for (const auto& line : lines) calls.push_back("AddText(" + line + "\n)");
    return calls;
  }
  static std::string FileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
  }
};

struct RunCase {
  const char* name;
  Method method;
  std::string title;
  std::string points;
  std::int64_t n;
  Eight values;
  Eight sds;
  std::vector<std::string> lines;
  std::vector<std::string> messages = {};
};

class TransformationRuns : public Transformation, public ::testing::WithParamInterface<RunCase> {};

TEST_P(TransformationRuns, WriteTheLinesToTheFileAndTheWindow) {
  const RunCase& c = GetParam();
  LoadPoints(c.points);
  StoreCoeff(c.values, c.sds);
  ChooseOutput();
  (engine.*c.method)(c.n);
  EXPECT_EQ(messages.texts, c.messages);
  EXPECT_EQ(Output(), FileText(c.lines));
  EXPECT_EQ(windows.results.calls, RunCalls(c.title, c.lines));
  EXPECT_EQ(windows.results.lookups, static_cast<int>(windows.results.calls.size()));
  EXPECT_TRUE(windows.param.calls.empty());
}

const Eight kShift{1, 0, 10, 20};
const Eight kExact{};

std::string Transformation::ReadyForAFailedWrite(
    const std::function<std::string(const testing::TempFolder&)>& prepare) {
  LoadPoints("P,100,200\nQ,300,400\n");
  StoreCoeff(kShift, kExact);
  ChooseOutput("earlier content\n");
  return prepare(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransformationRuns,
    ::testing::Values(RunCase{"ConformalOnePoint",
                              &E::ConformalTrans,
                              "Conformal Transformation",
                              "P,100,200\n",
                              1,
                              kShift,
                              kExact,
                              {"P, 110.0000, 220.0000, 0.00000, 0.00000"}},
                      RunCase{"BlanksInAPointsLine",
                              &E::ConformalTrans,
                              "Conformal Transformation",
                              " Station 7 , 100,  200\n",
                              1,
                              kShift,
                              kExact,
                              {" Station 7 , 110.0000, 220.0000, 0.00000, 0.00000"}},
                      RunCase{"NSmallerThanTheLinesRead",
                              &E::AffineTrans,
                              "Affine Transformation",
                              "A,1,2\nB,3,4\nC,5,6\n",
                              2,
                              {1, 0, -1000, 0, 1, 0.5},
                              {0, 0, 0.001, 0, 0, 0.25},
                              {"A, -999.0000, 2.5000, 0.00100, 0.25000",
                               "B, -997.0000, 4.5000, 0.00100, 0.25000"}},
                      RunCase{"ProjectivePointOnTheLineDZero",
                              &E::ProjectiveTrans,
                              "Projective Transformation",
                              "Q,-1,1\nR,1,1\n",
                              2,
                              {1, 0, 1, 2, 0, 0, 1, 0},
                              {0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1},
                              {"Q, NaN, -Infinity, NaN, Infinity",
                               "R, 1.0000, 1.0000, 0.11180, 0.11180"},
                              {"1 point lies on or beyond the vanishing line of the projective "
                               "fit, where a3*x + b3*y + 1 is zero or has the other sign than at "
                               "the control points; E and N mean nothing there: Q (line 1)."}},
                      RunCase{"NonFiniteDeviationsOfAZeroRedundancySolution",
                              &E::ConformalTrans,
                              "Conformal Transformation",
                              "P,100,200\n",
                              1,
                              kShift,
                              {kNaN, kNaN, kInf, kInf},
                              {"P, 110.0000, 220.0000, NaN, NaN"}}),
    testing::ByName());

TEST_F(Transformation, ASecondRunAppendsInTheOpenWindowWhileTheFileHoldsOnlyIt) {
  LoadPoints("P,100,200\n");
  ChooseOutput();
  StoreCoeff(kShift, kExact);
  engine.ConformalTrans(1);
  StoreCoeff({2, 0, 0, 0, 2, 0}, kExact);
  engine.AffineTrans(1);

  const std::string first = "P, 110.0000, 220.0000, 0.00000, 0.00000";
  const std::string second = "P, 200.0000, 400.0000, 0.00000, 0.00000";
  EXPECT_EQ(Output(), FileText({second}));
  auto calls = RunCalls("Conformal Transformation", {first});
  const auto more = RunCalls("Affine Transformation", {second});
  calls.insert(calls.end(), more.begin(), more.end());
  EXPECT_EQ(windows.results.calls, calls);
  EXPECT_EQ(windows.results.title, "Affine Transformation");
  EXPECT_EQ(windows.results.text, first + "\n" + second + "\n");
}

TEST_F(Transformation, TheSamePointsTransformAgainToTheSameLines) {
  LoadPoints("P,100,200\nQ,-5,7\n");
  ChooseOutput();
  StoreCoeff({1, 2, 3, 4, 5, 6, 0.001, 0.002}, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 1e-5, 2e-5});
  engine.ProjectiveTrans(2);
  const std::string once = Output();
  engine.ProjectiveTrans(2);
  EXPECT_EQ(Output(), once);
  EXPECT_EQ(windows.results.text, once + once);
}

// ---- Refusals: one message, nothing shown, written or appended.

struct RefusalCase {
  const char* name;
  bool output_chosen;
  std::int64_t n;
  std::string message;
};

class TransformationRefusals : public Transformation,
                               public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(TransformationRefusals, LeaveTheFileAndTheWindowUntouched) {
  const RefusalCase& c = GetParam();
  LoadPoints("A,1,2\nB,3,4\nC,5,6\n");
  StoreCoeff(kShift, kExact);
  ChooseOutput("earlier content\n");
  if (!c.output_chosen) engine.OutputFile.reset();
  for (const Method method : {&E::ConformalTrans, &E::AffineTrans, &E::ProjectiveTrans}) {
    messages.texts.clear();
    (engine.*method)(c.n);
    EXPECT_EQ(messages.texts, std::vector<std::string>{c.message});
  }
  EXPECT_EQ(Output(), "earlier content\n");
  EXPECT_TRUE(windows.results.calls.empty());
  EXPECT_EQ(windows.results.lookups, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransformationRefusals,
    ::testing::Values(
        RefusalCase{"NoOutputFile", false, 3, "Choose an output file before transforming."},
        RefusalCase{"NoPoints", true, 0,
                    "Cannot transform 0 points: the point count must be at least 1."},
        RefusalCase{"NegativeCount", true, -2,
                    "Cannot transform -2 points: the point count must be at least 1."},
        RefusalCase{"MoreThanRead", true, 4,
                    "Cannot transform 4 points: the points file \"points.csv\" holds 3 points."},
        RefusalCase{"BeyondCapacity", true, 51,
                    "Cannot transform 51 points: the points file \"points.csv\" holds 3 "
                    "points."}),
    testing::ByName());

// ---- A file that cannot be written: the message names it and the reason,
// and says what became of the file; the results window is left as it was,
// neither retitled nor shown nor given a line.

const std::string kAsItWas = "Nothing was written; the file is as it was.";

std::string SystemReason(int error_number) {
  return std::string(std::strerror(error_number)) + " (error " + std::to_string(error_number) + ")";
}

const std::string kPointsState = "points.csv: file: P,100,200\nQ,300,400\n";

struct WriteFailureCase {
  const char* name;
  std::string reason;
  std::string afterwards;
  // Prepares the failure after out.txt was chosen; gives "" or why it cannot
  // be had here.
  std::function<std::string(const testing::TempFolder&)> prepare;
  std::vector<std::string> state;  // of the folder afterwards; none where it is gone
  std::function<void(const std::function<void()>&)> around = [](const auto& run) { run(); };
};

class TransformationWriteFailures : public Transformation,
                                    public ::testing::WithParamInterface<WriteFailureCase> {};

TEST_P(TransformationWriteFailures, ShowTheFileAndTheReasonAndLeaveTheResultsWindow) {
  const WriteFailureCase& c = GetParam();
  if (const std::string why = ReadyForAFailedWrite(c.prepare); !why.empty()) GTEST_SKIP() << why;
  c.around([&] { engine.ConformalTrans(2); });

  const std::string path = engine.OutputFile->Path().string();
  EXPECT_EQ(messages.texts, std::vector<std::string>{"Cannot write the output file \"" + path +
                                                     "\": " + c.reason + ". " + c.afterwards});
  EXPECT_TRUE(windows.results.calls.empty());
  EXPECT_EQ(testing::FolderState(folder.Path()), c.state);
}

std::string RemoveFolder(const testing::TempFolder& f) {
  fs::remove_all(f.Path());
  return "";
}

std::string Unchanged(const testing::TempFolder&) {
  return "";
}

// The chosen file becomes another kind of file after it was chosen.
std::string ReplaceByFifo(const testing::TempFolder& f) {
  fs::remove(f.Path() / "out.txt");
  testing::MakeFifo(f.Path() / "out.txt");
  return "";
}

std::string ReplaceByBlockDevice(const testing::TempFolder& f) {
  fs::remove(f.Path() / "out.txt");
  return testing::MakeBlockDevice(f.Path() / "out.txt");
}

// A second name makes the file one that is written in place.
std::string LinkASecondName(const testing::TempFolder& f) {
  fs::create_hard_link(f.Path() / "out.txt", f.Path() / "other.txt");
  return "";
}

// Longer than the lines written over it.
const std::string kLonger = std::string(100, 'e') + "\n";

std::string LinkASecondNameToALongerFile(const testing::TempFolder& f) {
  testing::TempFolder::WriteAt(f.Path() / "out.txt", kLonger);
  return LinkASecondName(f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransformationWriteFailures,
    ::testing::Values(
        WriteFailureCase{"WriteFailsHalfway",
                         SystemReason(EFBIG),
                         kAsItWas,
                         &Unchanged,
                         {"out.txt: file: earlier content\n", kPointsState},
                         [](const std::function<void()>& run) {
                           testing::FileSizeLimit limit(16);
                           run();
                         }},
        WriteFailureCase{
            "FolderRemovedAfterChoosing", SystemReason(ENOENT), kAsItWas, &RemoveFolder, {}},
        WriteFailureCase{"FifoWithoutReader",
                         "no program is reading from this FIFO (named pipe) (error " +
                             std::to_string(ENXIO) + ")",
                         kAsItWas,
                         &ReplaceByFifo,
                         {"out.txt: FIFO", kPointsState}},
        WriteFailureCase{"BlockDevice",
                         "it is a block device, not a regular file, a FIFO or a character device",
                         kAsItWas,
                         &ReplaceByBlockDevice,
                         {"out.txt: block device", kPointsState}},
        // Written in place, the room for the new lines is taken first: a
        // file that may not grow to them stays as it was.
        WriteFailureCase{"InPlaceWriteBeyondTheSizeLimit",
                         SystemReason(EFBIG),
                         kAsItWas,
                         &LinkASecondName,
                         {"other.txt: file with 2 names: earlier content\n",
                          "out.txt: file with 2 names: earlier content\n", kPointsState},
                         [](const std::function<void()>& run) {
                           testing::FileSizeLimit limit(20);
                           run();
                         }},
        // A longer earlier file has the room; the write over it fails halfway.
        WriteFailureCase{
            "InPlaceWriteFailsHalfway",
            SystemReason(EFBIG),
            "The file may be incomplete.",
            &LinkASecondNameToALongerFile,
            {"other.txt: file with 2 names: P, 110.0000, 220.000" + kLonger.substr(20),
             "out.txt: file with 2 names: P, 110.0000, 220.000" + kLonger.substr(20), kPointsState},
            [](const std::function<void()>& run) {
              testing::FileSizeLimit limit(20);
              run();
            }}),
    testing::ByName());

// ---- Under a real limit on the size of a file (a shell's `ulimit -f`, a
// batch system's), with SIGXFSZ as the system sets it, which would end the
// program: the transformation is refused with the system's reason, the file
// is as the message says and no temporary file is left. Run in a child
// process, so that a write that ends its program shows as that.

struct SizeLimitCase {
  const char* name;
  std::function<std::string(const testing::TempFolder&)> prepare;
  rlim_t limit;
  std::string afterwards;
  std::vector<std::string> state;  // of the folder afterwards
};

class TransformationUnderASizeLimit : public Transformation,
                                      public ::testing::WithParamInterface<SizeLimitCase> {};

TEST_P(TransformationUnderASizeLimit, IsRefusedWithTheReasonAndTheProgramGoesOn) {
  const SizeLimitCase& c = GetParam();
  if (const std::string why = ReadyForAFailedWrite(c.prepare); !why.empty()) GTEST_SKIP() << why;

  const std::string report = testing::InChildProcess([&] {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = c.limit;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
      return std::string("no limit: ") + std::strerror(errno);
    std::signal(SIGXFSZ, SIG_DFL);
    engine.ConformalTrans(2);
    std::string texts;
    for (const auto& text : messages.texts) texts += text;
    return texts;
  });
  const std::string path = engine.OutputFile->Path().string();
  EXPECT_EQ(report, "Cannot write the output file \"" + path + "\": " + SystemReason(EFBIG) + ". " +
                        c.afterwards);
  EXPECT_EQ(testing::FolderState(folder.Path()), c.state);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransformationUnderASizeLimit,
    ::testing::Values(
        SizeLimitCase{"ThroughATemporaryFile",
                      &Unchanged,
                      16,
                      kAsItWas,
                      {"out.txt: file: earlier content\n", kPointsState}},
        // The room for the new lines is taken first, beyond the limit.
        SizeLimitCase{"InPlaceTheFileMayNotGrow",
                      &LinkASecondName,
                      20,
                      kAsItWas,
                      {"other.txt: file with 2 names: earlier content\n",
                       "out.txt: file with 2 names: earlier content\n", kPointsState}},
        SizeLimitCase{"InPlaceTheWriteStopsHalfway",
                      &LinkASecondNameToALongerFile,
                      20,
                      "The file may be incomplete.",
                      {"other.txt: file with 2 names: P, 110.0000, 220.000" + kLonger.substr(20),
                       "out.txt: file with 2 names: P, 110.0000, 220.000" + kLonger.substr(20),
                       kPointsState}}),
    testing::ByName());

// ---- As a user whom permissions stop (CI runs as root, whom they do not:
// see AsOtherUser), with the messages the child saw as its report.

class TransformationAsAUser : public Transformation {
 protected:
  void SetUp() override {
    Transformation::SetUp();
    fs::permissions(folder.Path(), fs::perms(0755));  // whatever the umask, the user may enter
    LoadPoints("P,100,200\nQ,300,400\n");
    StoreCoeff(kShift, kExact);
  }
  std::string RunAsOtherUser(const std::function<void()>& steps) {
    return testing::AsOtherUser([&] {
      steps();
      std::string report;
      for (const auto& text : messages.texts) report += text + "\n";
      return report;
    });
  }
};

TEST_F(TransformationAsAUser, TheUsersOwnReadOnlyFileIsRefusedWithTheSystemsReason) {
  const fs::path mine = folder.Path() / "mine";
  fs::create_directory(mine);
  testing::GiveToOtherUser(mine);
  engine.OutputFile = FolderItem(mine / "out.txt");
  testing::TempFolder::WriteAt(mine / "out.txt", "earlier content\n");
  testing::GiveToOtherUser(mine / "out.txt");
  fs::permissions(mine / "out.txt", fs::perms(0444));

  EXPECT_EQ(RunAsOtherUser([&] { engine.ConformalTrans(2); }),
            "Cannot write the output file \"" + (mine / "out.txt").string() +
                "\": " + SystemReason(EACCES) + ". " + kAsItWas + "\n");
  EXPECT_EQ(testing::FolderState(mine),
            std::vector<std::string>{"out.txt: file: earlier content\n"});
}

// A file anyone may write, in a folder the user may not (root's 755 folder):
// the choice leaves it as it is and every transformation writes it in place.
TEST_F(TransformationAsAUser, AWritableFileInAFolderTheUserMayNotWriteIsWrittenInPlace) {
  const fs::path theirs = folder.Path() / "theirs";
  fs::create_directory(theirs);
  testing::TempFolder::WriteAt(theirs / "out.txt", "earlier content\n");
  fs::permissions(theirs / "out.txt", fs::perms(0666));
  fs::permissions(theirs, fs::perms(testing::RunningAsRoot() ? 0755 : 0555));
  engine.OutputFile = FolderItem(theirs / "out.txt");

  EXPECT_EQ(RunAsOtherUser([&] {
              CreateOrCheckWritable(*engine.OutputFile);  // the choice of the file
              if (testing::ReadBytes(theirs / "out.txt") != "earlier content\n") {
                MessageBox("changed by the choice");
              }
              engine.ConformalTrans(2);
              engine.ConformalTrans(1);
            }),
            "");
  EXPECT_EQ(testing::FolderState(theirs),
            std::vector<std::string>{"out.txt: file: P, 110.0000, 220.0000, 0.00000, 0.00000\n"});
}

}  // namespace
}  // namespace korvanta
