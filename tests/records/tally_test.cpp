#include "tallytable.h"
#include "tlzrw1.h"
#include "ttallylist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList lines(const QByteArray& text) {
    QStringList result = QString::fromUtf8(text).split(QStringLiteral("\r\n"));
    result.removeLast();
    return result;
}

// A tally window on a file in a temporary folder, its questions answered by
// the test.
class Tally : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void open() {
        window = std::make_unique<Ttallylist>();
        window->confirm = [this](const QString& question) {
            questions.append(question);
            return answer;
        };
        window->message = [this](const QString& text) { messages.append(text); };
        window->loadFile(file());
    }
    void restart() {
        window->save();
        open();
    }
    QString file() const { return dir.filePath(QStringLiteral("agametally.tld")); }
    void follow(const QStringList& players, const QStringList& followed) {
        window->loadchecklist(players);
        for (int i = 0; i < window->checklist->count(); ++i) {
            if (followed.contains(window->checklist->item(i)->text())) {
                window->checklist->item(i)->setCheckState(Qt::Checked);
            }
        }
    }
    QString cell(const QString& name, int column) const {
        return window->table().cell(column, window->table().rowOf(name));
    }

    QTemporaryDir dir;
    std::unique_ptr<Ttallylist> window;
    QStringList questions;
    QStringList messages;
    bool answer = true;
};

} // namespace

TEST(TallyTable, TheTextForm) {
    TallyTable table;
    table.setCell(1, 0, QStringLiteral("10"));
    table.setCell(2, 0, QStringLiteral("4"));
    table.addOpponent(QStringLiteral("Ann"));
    table.setCell(1, 1, QStringLiteral("3"));
    table.setCell(2, 1, QStringLiteral("1"));
    table.setCell(3, 1, QStringLiteral("2"));
    EXPECT_EQ(lines(table.toText()),
              QStringList({"9", "2", "0", "Ann", "10", "3", "4", "1", "0", "2",
                           "0", "0", "0", "0",   "0",  "0", "0", "0", "0", "0"}));
    TallyTable read;
    ASSERT_TRUE(read.fromText(table.toText()));
    EXPECT_EQ(read.toText(), table.toText());
    for (const char* bad : {"", "x\r\n", "9\r\n2\r\n0\r\n", "9\r\n0\r\n"}) {
        EXPECT_FALSE(read.fromText(bad)) << bad;
    }
}

TEST(TallyTable, MoveRow) {
    TallyTable table;
    for (const char* name : {"A", "B", "C"}) {
        table.addOpponent(QString::fromLatin1(name));
    }
    table.moverow(1);
    EXPECT_EQ(table.names(), QStringList({"B", "C"}));
    table.moverow(2);
    EXPECT_EQ(table.names(), QStringList({"B"}));
    table.moverow(1);
    EXPECT_TRUE(table.names().isEmpty());
    table.moverow(0);
    EXPECT_EQ(table.rowCount(), 1);
}

TEST_F(Tally, MyWinAgainstTwoFollowedAndOneOther) {
    follow({"Ann", "Bob", "Cy"}, {"Ann", "Bob"});
    EXPECT_EQ(window->listbox_tally->count(), 2);
    window->addgame(QStringLiteral("addtomine"));
    EXPECT_EQ(window->mylabel[1]->text(), QStringLiteral("1"));
    EXPECT_EQ(window->mylabel[2]->text(), QStringLiteral("1"));
    for (const QString& name : {QStringLiteral("Ann"), QStringLiteral("Bob")}) {
        EXPECT_EQ(cell(name, 1), QStringLiteral("1"));
        EXPECT_EQ(cell(name, 5), QStringLiteral("1"));
        EXPECT_EQ(cell(name, 3), QStringLiteral("1"));
        EXPECT_EQ(cell(name, 7), QStringLiteral("1"));
        EXPECT_EQ(cell(name, 2), QStringLiteral("0"));
    }
    EXPECT_EQ(window->table().rowOf(QStringLiteral("Cy")), -1);
    EXPECT_EQ(window->checklist->item(2)->checkState(), Qt::Unchecked);

    window->loadchecklist({"Ann", "Bob", "Cy"});
    window->addgame(QStringLiteral("Cy"));
    window->addgame(QStringLiteral("Ann"));
    EXPECT_EQ(cell(QStringLiteral("Bob"), 4), QStringLiteral("2"));
    EXPECT_EQ(cell(QStringLiteral("Bob"), 8), QStringLiteral("2"));
    EXPECT_EQ(cell(QStringLiteral("Ann"), 4), QStringLiteral("1"));
    EXPECT_EQ(cell(QStringLiteral("Ann"), 2), QStringLiteral("1"));
    EXPECT_EQ(window->mylabel[1]->text(), QStringLiteral("3"));
    EXPECT_EQ(window->mylabel[2]->text(), QStringLiteral("1"));

    window->listbox_tally->setCurrentRow(0);
    EXPECT_EQ(window->label_hisnametop->text(), QStringLiteral("Ann's Tally"));
    EXPECT_EQ(window->label_hisname->text(), QStringLiteral("Ann Wins:"));
    EXPECT_EQ(window->label[1]->text(), QStringLiteral("3"));
}

TEST_F(Tally, AcrossARestartTheSessionStartsAgain) {
    follow({"Ann"}, {"Ann"});
    window->addgame(QStringLiteral("Ann"));
    restart();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(window->listbox_tally->count(), 1);
    EXPECT_EQ(window->listbox_tally->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(cell(QStringLiteral("Ann"), 1), QStringLiteral("1"));
    EXPECT_EQ(cell(QStringLiteral("Ann"), 2), QStringLiteral("1"));
    EXPECT_EQ(cell(QStringLiteral("Ann"), 5), QStringLiteral("0"));
    EXPECT_EQ(cell(QStringLiteral("Ann"), 6), QStringLiteral("0"));
    EXPECT_EQ(window->mylabel[1]->text(), QStringLiteral("1"));
    // The text form never passes through the current folder.
    EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("temp.txt"))));
}

TEST_F(Tally, UnfollowingAsksFirst) {
    follow({"Ann", "Bob"}, {"Ann", "Bob"});
    answer = false;
    window->listbox_tally->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(questions, QStringList{"This will delete Ann's Tally, Are you want to delete it?"});
    EXPECT_EQ(window->listbox_tally->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(window->table().names(), QStringList({"Ann", "Bob"}));
    answer = true;
    window->listbox_tally->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(window->table().names(), QStringList{"Bob"});
    EXPECT_EQ(window->listbox_tally->count(), 1);
}

TEST_F(Tally, ResetCountsFromZeroAgain) {
    follow({"Ann"}, {"Ann"});
    window->addgame(QStringLiteral("Ann"));
    answer = false;
    window->button_resetClick();
    EXPECT_EQ(window->table().rowCount(), 2);
    answer = true;
    window->button_resetClick();
    EXPECT_EQ(questions.last(), QStringLiteral("Are you sure you want to reset the Tally?"));
    EXPECT_EQ(window->table().rowCount(), 1);
    EXPECT_EQ(window->listbox_tally->count(), 0);
    EXPECT_EQ(window->mylabel[1]->text(), QStringLiteral("0"));
    window->addgame(QStringLiteral("addtomine"));
    restart();
    EXPECT_EQ(window->table().rowCount(), 1);
    EXPECT_EQ(window->mylabel[1]->text(), QStringLiteral("1"));
}

TEST_F(Tally, AnUnreadableFileIsKeptAsideAndReported) {
    {
        QFile damaged(file());
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write("WRZL\x50\0\0\0\x05\0\x40\x80\0\x01\0", 15);
    }
    open();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(QFile::exists(file() + QStringLiteral(".bad")));
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_EQ(window->table().rowCount(), 1);
    // The end of the run writes a fresh file; the damaged one stays aside.
    window->save();
    EXPECT_TRUE(QFile::exists(file()));
    EXPECT_EQ(QFile(file() + QStringLiteral(".bad")).size(), 15);
}
