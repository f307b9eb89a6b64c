// Options > Card Deck… as a player uses it, over decks laid out in a
// temporary folder as the desktop's packages lay them out.
#include "carddeckdialog.h"
#include "cardpictures.h"
#include "optionsmenu.h"
#include "tchat.h"

#include "svgdeck.h"
#include "wait.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DeckChooser : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString kde = dir.filePath(QStringLiteral("carddecks"));
        const QString gnome = dir.filePath(QStringLiteral("cards"));
        QDir(kde).mkpath(QStringLiteral("svg-paris"));
        QDir(kde).mkpath(QStringLiteral("svg-oxygen"));
        QDir(gnome).mkpath(QStringLiteral("."));
        write(QDir(kde).filePath(QStringLiteral("svg-paris/index.desktop")),
              "[KDE Backdeck]\nName=Paris\nSVG=paris.svg\n");
        write(QDir(kde).filePath(QStringLiteral("svg-paris/paris.svg")),
              svgDeck(false, QString(), Index::Left));
        write(QDir(kde).filePath(QStringLiteral("svg-oxygen/index.desktop")),
              "[KDE Backdeck]\nName=Oxygen\nSVG=oxygen.svg\n");
        write(QDir(kde).filePath(QStringLiteral("svg-oxygen/oxygen.svg")),
              svgDeck(false, QString(), Index::Right));
        write(QDir(gnome).filePath(QStringLiteral("paris.svg")),
              svgDeck(true, QString(), Index::Left));
        write(QDir(gnome).filePath(QStringLiteral("german.svg")),
              svgDeck(true, QString(), Index::Left));
        write(QDir(gnome).filePath(QStringLiteral("broken.svg")), "<svg");
        qputenv("HEARTS_CARD_DECKS", (kde + QLatin1Char(':') + gnome).toUtf8());
        QFile::remove(chat.settingsPath());
    }
    void TearDown() override {
        qunsetenv("HEARTS_CARD_DECKS");
        cardpictures::setDeck(QString());
        QFile::remove(chat.settingsPath());
    }

    CardDeckDialog* openChooser() {
        chat.options().CardDeck1->trigger();
        CardDeckDialog* dialog = nullptr;
        EXPECT_TRUE(waitUntil([&] {
            dialog = chat.findChild<CardDeckDialog*>();
            return dialog != nullptr && dialog->isVisible();
        }));
        if (dialog != nullptr) {
            EXPECT_TRUE(waitUntil([dialog] { return dialog->previewsDone(); }, 20000));
        }
        return dialog;
    }
    static QStringList rows(const CardDeckDialog& dialog) {
        QStringList texts;
        for (int row = 0; row < dialog.list()->count(); ++row) {
            const QListWidgetItem* item = dialog.list()->item(row);
            texts << ((item->flags() & Qt::ItemIsEnabled) != 0 ? QString()
                                                               : QStringLiteral("(off) ")) +
                         item->text().section(QLatin1Char('\n'), 0, 0) +
                         (item->text().contains(QLatin1Char('\n')) ? QStringLiteral(" +note")
                                                                   : QString());
        }
        return texts;
    }

    QTemporaryDir dir;
    Tchat chat{QStringList{"Tester", "127.0.0.1"}};
};

} // namespace

TEST_F(DeckChooser, EachDeckOnceBuiltInFirstOtherSuitsMarkedAndHiddenRanksNotOffered) {
    CardDeckDialog* dialog = openChooser();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(rows(*dialog), (QStringList{
                                 QStringLiteral("Built-in +note"),
                                 QStringLiteral("(off) Broken +note"),
                                 QStringLiteral("(off) Oxygen +note"),
                                 QStringLiteral("Paris"),
                                 QStringLiteral("(off) Decks of other suits"),
                                 QStringLiteral("German +note"),
                             }));
    // Every usable deck shows its three cards.
    const QListWidgetItem* paris = dialog->list()->item(3);
    EXPECT_FALSE(paris->icon().pixmap(dialog->list()->iconSize()).toImage().pixelColor(5, 40) ==
                 QColor(Qt::transparent));
    dialog->reject();
}

TEST_F(DeckChooser, TheChoiceDrawsTheTableAndIsSavedAndOfferedNextTime) {
    CardDeckDialog* dialog = openChooser();
    ASSERT_NE(dialog, nullptr);
    const QString paris = dialog->list()->item(3)->data(Qt::UserRole).toString();
    ASSERT_TRUE(paris.endsWith(QStringLiteral("svg-paris/paris.svg")));
    dialog->list()->setCurrentRow(3);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(cardpictures::deckPath(), paris);
    EXPECT_TRUE(waitUntil([&] {
        QFile saved(chat.settingsPath());
        return saved.open(QIODevice::ReadOnly) && saved.readAll().contains(paris.toUtf8());
    }));

    // Next time the chooser opens on the deck in use; a deck not for the
    // hand cannot be taken.
    dialog = openChooser();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->selectedPath(), paris);
    dialog->list()->setCurrentRow(2); // Oxygen
    EXPECT_FALSE(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    dialog->list()->setCurrentRow(0);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(cardpictures::deckPath().isEmpty());
}

// Closing the chooser while it still draws stops the drawing at once.
TEST_F(DeckChooser, ClosingBeforeThePreviewsAreDrawnIsSafe) {
    for (int i = 0; i < 3; ++i) {
        auto* dialog = new CardDeckDialog(QString(), &chat);
        dialog->show();
        delete dialog;
    }
}
