#include "io/commit_journal.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace percorso {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(CommitJournalTest, RoundTripsAnyNameAndRefusesADamagedJournal) {
  Journal journal;
  journal.state = JournalState::kBackward;
  journal.entries = {{"K_T.sim", ".percorso-1-aaaaaa.tmp", ".percorso-1-bbbbbb.tmp", false},
                     {"odd \\ name\nwith\rends", ".percorso-1-cccccc.tmp", "", false},
                     {"Città_linea.dat", ".percorso-1-dddddd.tmp", ".percorso-1-eeeeee.tmp", true}};
  const std::string bytes = EncodeJournal(journal);
  Journal back;
  std::string err;
  ASSERT_TRUE(DecodeJournal(bytes, &back, &err)) << err;
  EXPECT_EQ(back, journal);
  // Cut short, one byte changed, or empty: refused.
  for (const std::string& damaged :
       {bytes.substr(0, bytes.size() - 1), bytes.substr(0, bytes.size() / 2),
        std::string(bytes).replace(30, 1, "X"), std::string()}) {
    EXPECT_FALSE(DecodeJournal(damaged, &back, &err));
  }
}

/// A directory as a run killed among the renames of a commit leaves it:
/// A replaced already (its old content under a second name), B not yet (its
/// new content in a temporary), C new (no old file) and renamed.
class RecoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir_.file("A"), "new A");
    WriteBytes(dir_.file(".percorso-1-aaaaa0.tmp"), "old A");
    WriteBytes(dir_.file("B"), "old B");
    std::filesystem::create_hard_link(dir_.file("B"), dir_.file(".percorso-1-bbbbb0.tmp"));
    WriteBytes(dir_.file(".percorso-1-bbbbb1.tmp"), "new B");
    WriteBytes(dir_.file("C"), "new C");
    journal_.entries = {{"A", ".percorso-1-aaaaa1.tmp", ".percorso-1-aaaaa0.tmp", false},
                        {"B", ".percorso-1-bbbbb1.tmp", ".percorso-1-bbbbb0.tmp", false},
                        {"C", ".percorso-1-ccccc1.tmp", "", false}};
  }

  TempDir dir_;
  Journal journal_;
  RealDisk disk_;
};

TEST_F(RecoveryTest, AForwardJournalIsCompleted) {
  std::string err, said;
  ASSERT_TRUE(WriteJournal(disk_, dir_.path(), journal_, &err)) << err;
  EXPECT_EQ(RecoverUnfinishedCommit(disk_, dir_.path(), &said, &err), Recovery::kCompleted) << err;
  EXPECT_EQ(said, dir_.path() +
                      ": a run that was stopped left the commit of A, B and C unfinished; it is "
                      "completed now");
  EXPECT_EQ(ReadBytes(dir_.file("A")), "new A");
  EXPECT_EQ(ReadBytes(dir_.file("B")), "new B");
  EXPECT_EQ(ReadBytes(dir_.file("C")), "new C");
  EXPECT_FALSE(std::filesystem::exists(dir_.file(std::string(kJournalName))));
  // Once done, there is nothing more to do.
  EXPECT_EQ(RecoverUnfinishedCommit(disk_, dir_.path(), &said, &err), Recovery::kNone);
}

TEST_F(RecoveryTest, ABackwardJournalPutsTheOldFilesBack) {
  journal_.state = JournalState::kBackward;
  std::string err, said;
  ASSERT_TRUE(WriteJournal(disk_, dir_.path(), journal_, &err)) << err;
  EXPECT_EQ(RecoverUnfinishedCommit(disk_, dir_.path(), &said, &err), Recovery::kRolledBack) << err;
  EXPECT_TRUE(said.ends_with("it could not be completed, and the old files are back")) << said;
  EXPECT_EQ(ReadBytes(dir_.file("A")), "old A");
  EXPECT_EQ(ReadBytes(dir_.file("B")), "old B");
  EXPECT_FALSE(std::filesystem::exists(dir_.file("C")));
  EXPECT_FALSE(std::filesystem::exists(dir_.file(std::string(kJournalName))));
}

TEST_F(RecoveryTest, ADamagedJournalStopsAndStays) {
  WriteBytes(dir_.file(std::string(kJournalName)), EncodeJournal(journal_).substr(0, 40));
  std::string err, said;
  EXPECT_EQ(RecoverUnfinishedCommit(disk_, dir_.path(), &said, &err), Recovery::kFailed);
  EXPECT_NE(err.find("a journal cut short or damaged"), std::string::npos) << err;
  EXPECT_TRUE(std::filesystem::exists(dir_.file(std::string(kJournalName))));
  EXPECT_EQ(ReadBytes(dir_.file("A")), "new A");
  EXPECT_EQ(ReadBytes(dir_.file("B")), "old B");
}

}  // namespace
}  // namespace percorso
