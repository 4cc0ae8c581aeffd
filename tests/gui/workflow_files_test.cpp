#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/support/special_files.h"
#include "tests/support/workflow_fixture.h"
#include "toolkit/core/text.h"
#include "toolkit/qt/application.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

namespace fs = std::filesystem;

const std::string kNoSuchFile = std::strerror(ENOENT);

class FileChoiceTest : public WorkflowTest {};

TEST_F(FileChoiceTest, AReadableInputFileIsGivenBackUnreadAndUnchanged) {
  const FolderItem file = Write("control.csv", "P1,1,2,3,4\r\nnot checked here");
  dialogs.AnswerOpen(file);
  const FolderItemRef chosen = Main().GetInputFile();
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->Path(), file.Path());
  EXPECT_EQ(ReadBytes(file.Path()), "P1,1,2,3,4\r\nnot checked here");
  EXPECT_EQ(dialogs.calls, (std::vector<ScriptedDialogs::Call>{{"open", "", ""}}));
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

TEST_F(FileChoiceTest, AChosenOutputFileIsCreatedWhereMissingAndKeptWhereItExists) {
  for (const bool exists : {false, true}) {
    const FolderItem file = exists ? Write("out.csv", "earlier lines\n") : folder.Item("new.csv");
    dialogs.AnswerSave(file);
    const FolderItemRef chosen = Main().GetOutputFile();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->Path(), file.Path());
    EXPECT_TRUE(std::filesystem::exists(file.Path()));
    EXPECT_EQ(ReadBytes(file.Path()), exists ? "earlier lines\n" : "");
  }
  EXPECT_EQ(dialogs.calls,
            (std::vector<ScriptedDialogs::Call>{{"save", "", ""}, {"save", "", ""}}));
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

TEST_F(FileChoiceTest, ACancelledDialogGivesNothingAndNoMessage) {
  dialogs.AnswerOpen(std::nullopt);
  EXPECT_FALSE(Main().GetInputFile().has_value());
  dialogs.AnswerSave(std::nullopt);
  EXPECT_FALSE(Main().GetOutputFile().has_value());
  EXPECT_TRUE(messages.texts.empty()) << Messages();
}

// The output's message names the file the user has just picked, so a
// reason such as "Read-only file system" says where.
TEST_F(FileChoiceTest, TheMessagesCarryTheErrorNumberAndText) {
  dialogs.AnswerOpen(folder.Item("gone.csv"));
  EXPECT_FALSE(Main().GetInputFile().has_value());
  const FolderItem output = folder.Item("no-folder/out.csv");
  dialogs.AnswerSave(output);
  EXPECT_FALSE(Main().GetOutputFile().has_value());
  EXPECT_EQ(messages.texts,
            (std::vector<std::string>{"Cannot open " + Str(ENOENT) + "  " + kNoSuchFile,
                                      "Could not create file: " + Str(ENOENT) + " " + kNoSuchFile +
                                          ": \"" + output.Path().string() + "\""}));
}

TEST_F(FileChoiceTest, AnInputFileThatIsNotARegularFileIsRefusedAtOnce) {
  const fs::path fifo = folder.Path() / "pipe.csv";
  MakeFifo(fifo);
  const BoundSocket socket(folder.Path() / "socket.csv");
  const std::string no_device = MakeNullDevice(folder.Path() / "null.csv");
  std::vector<std::string> expected{
      "Cannot open \"pipe.csv\": it is not a regular file but a FIFO (named pipe).",
      "Cannot open \"socket.csv\": it is not a regular file but a socket."};
  std::vector<std::string> names{"pipe.csv", "socket.csv"};
  if (no_device.empty()) {
    names.push_back("null.csv");
    expected.push_back(
        "Cannot open \"null.csv\": it is not a regular file but a character device.");
  }
  for (const auto& name : names) {
    dialogs.AnswerOpen(folder.Item(name));
    EXPECT_FALSE(Main().GetInputFile().has_value()) << name;
  }
  EXPECT_EQ(messages.texts, expected);
  if (!no_device.empty()) GTEST_SKIP() << "character device not tried: " << no_device;
}

// Which step's dialog yields the file, and how the test answers it.
struct FileStep {
  bool save;
  PushButton& (winMain::*button)() const;
};

const FileStep kControlStep{false, &winMain::btnInControlFile};
const FileStep kOutputStep{true, &winMain::btnOutFile};
const FileStep kPointsStep{false, &winMain::btnPointFile};

struct KeptCase {
  const char* name;
  FileStep step;
  std::string file;     // written to the folder under "new-" + name; "" for none
  bool cancel;          // the dialog is cancelled instead
  bool missing_folder;  // the file lies in a folder that does not exist
  std::string message;  // the one message expected, "" for none
  bool fifo = false;    // the file is a FIFO (named pipe) that no program writes
};

class KeptStateTest : public WorkflowTest, public ::testing::WithParamInterface<KeptCase> {};

// After a complete pass, a choice that yields no usable file changes
// nothing at all: references, names, counts, arrays, every control.
TEST_P(KeptStateTest, AChoiceThatYieldsNoUsableFileKeepsEverything) {
  const KeptCase& c = GetParam();
  CompleteExactPass(&winMain::radConformal);
  ASSERT_TRUE(messages.texts.empty()) << Messages();
  const std::vector<std::string> before = Snapshot();

  FolderItemRef answer;
  if (!c.cancel) {
    const std::string name = std::string("new-") + c.name + ".csv";
    answer = c.missing_folder ? folder.Item("missing/" + name)
             : c.file.empty() ? folder.Item(name)
                              : Write(name, c.file);
    if (c.fifo) MakeFifo(answer->Path());
  }
  if (c.step.save) {
    dialogs.AnswerSave(answer);
  } else {
    dialogs.AnswerOpen(answer);
  }
  (Main().*c.step.button)().Press();

  EXPECT_EQ(messages.texts.size(), c.message.empty() ? 0u : 1u) << Messages();
  if (!c.message.empty() && !messages.texts.empty()) {
    EXPECT_EQ(messages.texts[0].rfind(c.message, 0), 0u) << messages.texts[0];
  }
  EXPECT_EQ(Snapshot(), before);

  // The earlier files still serve.
  PressTransform();
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
}

const std::string kCannotOpen = "Cannot open " + Str(ENOENT) + "  " + kNoSuchFile;

INSTANTIATE_TEST_SUITE_P(
    Choices, KeptStateTest,
    ::testing::Values(
        KeptCase{"ControlCancelled", kControlStep, "", true, false, ""},
        KeptCase{"OutputCancelled", kOutputStep, "", true, false, ""},
        KeptCase{"PointsCancelled", kPointsStep, "", true, false, ""},
        KeptCase{"ControlUnopenable", kControlStep, "", false, false, kCannotOpen},
        KeptCase{"PointsUnopenable", kPointsStep, "", false, false, kCannotOpen},
        KeptCase{"OutputUncreatable", kOutputStep, "", false, true,
                 "Could not create file: " + Str(ENOENT) + " " + kNoSuchFile},
        KeptCase{"ControlShortLine", kControlStep, "D1,1,2,3,4\nD2,1,2,3\n", false, false,
                 "Control file"},
        KeptCase{"ControlNotANumber", kControlStep, "D1,1,2,x,4\n", false, false, "Control file"},
        KeptCase{"PointsShortLine", kPointsStep, "R1,1,2\nR2,3\n", false, false, "Points file"},
        // Refused at once: reading a FIFO would wait for a writer.
        KeptCase{"ControlIsAFifo", kControlStep, "", false, false,
                 "Cannot open \"new-ControlIsAFifo.csv\": it is not a regular file but a FIFO "
                 "(named pipe).",
                 true},
        KeptCase{"PointsIsAFifo", kPointsStep, "", false, false,
                 "Cannot open \"new-PointsIsAFifo.csv\": it is not a regular file but a FIFO "
                 "(named pipe).",
                 true}),
    ByName());

class InputFailureTest : public WorkflowTest {};

// An input file that cannot be opened is reported and the work goes on:
// the application is not asked to quit and the next choice works.
TEST_F(InputFailureTest, AnUnopenableInputFileLeavesTheApplicationRunning) {
  Application::Instance()->Quit(7);  // any Quit(0) in between would replace it
  ChooseControl(folder.Item("gone.csv"));
  EXPECT_EQ(messages.texts, std::vector<std::string>{kCannotOpen});
  EXPECT_EQ(Application::Instance()->Run(), 7);
  EXPECT_FALSE(Main().txtControlFile().Visible());
  EXPECT_FALSE(Main().grpTrans().Enabled());

  ChooseControl(Write("control.csv", kExactControl));
  EXPECT_EQ(Main().txtNumControl().Text(), "5");
  EXPECT_TRUE(Main().grpTrans().Enabled());
}

// Before any control file, a failing one leaves the window as it opened.
TEST_F(InputFailureTest, AFailingFirstControlFileLeavesTheStartState) {
  const std::vector<std::string> before = Snapshot();
  ChooseControl(Write("control.csv", "P1,1,2,3,4\n\nP2,1,2,3,4\n"));
  ASSERT_EQ(messages.texts.size(), 1u) << Messages();
  EXPECT_NE(messages.texts[0].find("control.csv"), std::string::npos) << messages.texts[0];
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(InputFailureTest, ACancelledOutputKeepsTheEarlierFileForTransform) {
  CompleteExactPass(&winMain::radConformal);
  ChooseOutput(std::nullopt);
  EXPECT_EQ(Main().txtOutFile().Text(), "out.csv");
  std::filesystem::remove(folder.Path() / "out.csv");
  PressTransform();
  EXPECT_EQ(ReadBytes(folder.Path() / "out.csv"), kExactOutput);
}

// ---- The output file at the edges: chosen and then written as a plain
// write would, nothing else replaced or left behind.

struct OutputKindCase {
  const char* name;
  // Makes dir/"out"; gives "" or why it cannot be had here.
  std::function<std::string(const fs::path& dir)> prepare;
  // Of the choice, then of a transformation; "{path}" stands for dir/"out".
  std::vector<std::string> messages;
  std::vector<std::string> state;  // of dir afterwards
};

class OutputKindTest : public WorkflowTest, public ::testing::WithParamInterface<OutputKindCase> {};

TEST_P(OutputKindTest, IsChosenAndWrittenAsAPlainWriteWould) {
  const OutputKindCase& c = GetParam();
  CompleteExactPass(&winMain::radConformal);
  ASSERT_TRUE(messages.texts.empty()) << Messages();
  const fs::path dir = folder.Path() / "chosen";
  fs::create_directory(dir);
  if (const std::string why = c.prepare(dir); !why.empty()) GTEST_SKIP() << why;

  ChooseOutput(FolderItem(dir / "out"));
  PressTransform();
  std::vector<std::string> expected;
  for (std::string text : c.messages) {
    if (const auto at = text.find("{path}"); at != std::string::npos) {
      text.replace(at, 6, (dir / "out").string());
    }
    expected.push_back(text);
  }
  EXPECT_EQ(messages.texts, expected);
  EXPECT_EQ(FolderState(dir), c.state);
}

const std::string kWritten = std::string(kExactOutput);

INSTANTIATE_TEST_SUITE_P(
    Kinds, OutputKindTest,
    ::testing::Values(
        OutputKindCase{"DanglingLinkGetsItsTarget",
                       [](const fs::path& dir) {
                         fs::create_symlink("target.csv", dir / "out");
                         return std::string();
                       },
                       {},
                       {"out: link to target.csv", "target.csv: file: " + kWritten}},
        OutputKindCase{
            "HardLinkedFileKeepsBothNames",
            [](const fs::path& dir) {
              TempFolder::WriteAt(dir / "out", "earlier\n");
              fs::create_hard_link(dir / "out", dir / "other");
              return std::string();
            },
            {},
            {"other: file with 2 names: " + kWritten, "out: file with 2 names: " + kWritten}},
        OutputKindCase{"CharacterDeviceStaysOne",
                       [](const fs::path& dir) { return MakeNullDevice(dir / "out"); },
                       {},
                       {"out: character device"}},
        // Chosen at once, without a wait for a reader; written only when
        // a program reads it.
        OutputKindCase{"FifoWithoutReader",
                       [](const fs::path& dir) {
                         MakeFifo(dir / "out");
                         return std::string();
                       },
                       {"Cannot write the output file \"{path}\": no program is reading from this "
                        "FIFO (named pipe) (error " +
                        std::to_string(ENXIO) + "). Nothing was written; the file is as it was."},
                       {"out: FIFO"}},
        OutputKindCase{"BlockDeviceIsRefused",
                       [](const fs::path& dir) { return MakeBlockDevice(dir / "out"); },
                       {"Could not create file: \"out\": it is a block device, not a regular file, "
                        "a FIFO or a character device."},
                       {"out: block device"}},
        OutputKindCase{"FolderIsRefused",
                       [](const fs::path& dir) {
                         fs::create_directory(dir / "out");
                         return std::string();
                       },
                       {"Could not create file: " + Str(EISDIR) + " " + std::strerror(EISDIR) +
                        ": \"{path}\""},
                       {"out: folder"}}),
    ByName());

TEST_F(FileChoiceTest, AFifoChosenAsOutputIsWrittenThroughToItsReader) {
  CompleteExactPass(&winMain::radConformal);
  const fs::path fifo = folder.Path() / "pipe";
  MakeFifo(fifo);
  ChooseOutput(FolderItem(fifo));
  EXPECT_EQ(Main().txtOutFile().Text(), "pipe");
  FifoReader reader(fifo);
  reader.Start();
  PressTransform();
  EXPECT_EQ(reader.Received(), kExactOutput);
  EXPECT_TRUE(messages.texts.empty()) << Messages();
  EXPECT_EQ(ResultsText(), std::string(kExactOutput) + std::string(kExactOutput));
}

}  // namespace
}  // namespace korvanta::testing
