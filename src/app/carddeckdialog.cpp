#include "carddeckdialog.h"

#include "boardlayout.h"
#include "cardpictures.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMutex>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

#include <map>

namespace {

// A preview card: large enough to see a deck's style, three to a row.
const QSize kPreviewCard(60, 81);
const QString kNotForTheHand =
    QStringLiteral("Not for the hand: its ranks hide under the next card");
const QString kCannotDraw = QStringLiteral("Its cards cannot be drawn here");
constexpr int kPathRole = Qt::UserRole;

// The looks drawn so far in this run, by file: a deck is drawn once.
std::map<QString, carddeck::DeckLook>& looks() {
    static std::map<QString, carddeck::DeckLook> drawn;
    return drawn;
}
QMutex& looksLock() {
    static QMutex lock;
    return lock;
}

carddeck::DeckLook lookOf(const QString& path, qreal ratio) {
    {
        QMutexLocker locked(&looksLock());
        if (const auto found = looks().find(path); found != looks().end()) {
            return found->second;
        }
    }
    carddeck::DeckLook look =
        carddeck::lookAt(path, CardDeckDialog::visibleInHand(), kPreviewCard * ratio);
    look.preview.setDevicePixelRatio(ratio);
    QMutexLocker locked(&looksLock());
    looks()[path] = look;
    return look;
}

QPixmap waitingPreview() {
    const int gap = kPreviewCard.width() / 10;
    QPixmap blank(kPreviewCard.width() * 3 + gap * 2, kPreviewCard.height());
    blank.fill(Qt::transparent);
    return blank;
}

} // namespace

qreal CardDeckDialog::visibleInHand() {
    return boardlayout::Layout{}.handStep / cardpictures::kCardWidth;
}

CardDeckDialog::CardDeckDialog(const QString& current, QWidget* parent,
                               std::vector<carddeck::DeckInfo> decks)
    : QDialog(parent), m_list(new QListWidget(this)), m_decks(std::move(decks)) {
    setWindowTitle(QStringLiteral("Card Deck"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Choose the cards the table is drawn with."), this);
    layout->addWidget(intro);
    m_list->setIconSize(waitingPreview().size());
    m_list->setSpacing(3);
    m_list->setUniformItemSizes(false);
    m_list->setAccessibleName(QStringLiteral("Card decks"));
    layout->addWidget(m_list, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);

    auto* builtIn = new QListWidgetItem(
        QPixmap::fromImage(carddeck::builtInPreview(kPreviewCard * devicePixelRatioF())),
        QStringLiteral("Built-in\nThe program's own cards"), m_list);
    builtIn->setData(kPathRole, QString());
    bool otherSuits = false;
    for (const carddeck::DeckInfo& deck : m_decks) {
        if (deck.suits != carddeck::Suits::French && !otherSuits) {
            otherSuits = true;
            auto* heading = new QListWidgetItem(QStringLiteral("Decks of other suits"), m_list);
            heading->setFlags(Qt::NoItemFlags);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
        }
        addDeck(deck);
    }
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        if (item->flags() != Qt::NoItemFlags && item->data(kPathRole).toString() == current) {
            m_list->setCurrentItem(item);
        }
    }
    if (m_list->currentItem() == nullptr) {
        m_list->setCurrentRow(0);
    }

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        emit chosen(selectedPath());
        accept();
    });
    connect(m_list, &QListWidget::itemActivated, buttons, &QDialogButtonBox::accepted);
    connect(m_list, &QListWidget::currentItemChanged, this, [buttons](QListWidgetItem* item) {
        buttons->button(QDialogButtonBox::Ok)
            ->setEnabled(item != nullptr && (item->flags() & Qt::ItemIsEnabled) != 0);
    });

    // As tall as the screen allows, as wide as a preview and its words.
    const QRect screen = (parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen())
                             ->availableGeometry();
    const int words = fontMetrics().horizontalAdvance(kNotForTheHand);
    resize(m_list->iconSize().width() + words + 80,
           std::min(screen.height() * 3 / 4, 120 + (m_list->count() * 95)));

    m_pending = static_cast<int>(m_decks.size());
    if (m_pending == 0) {
        return;
    }
    m_worker = QThread::create([this, ratio = devicePixelRatioF()] {
        for (std::size_t i = 0; i < m_decks.size() && !m_stop; ++i) {
            const carddeck::DeckLook look = lookOf(m_decks[i].path, ratio);
            const int row = m_rows[i];
            QMetaObject::invokeMethod(
                this, [this, row, look] { showLook(row, look); }, Qt::QueuedConnection);
        }
    });
    m_worker->start(QThread::LowPriority);
}

CardDeckDialog::~CardDeckDialog() {
    if (m_worker != nullptr) {
        m_stop = true;
        m_worker->wait();
        delete m_worker;
    }
}

void CardDeckDialog::addDeck(const carddeck::DeckInfo& deck) {
    QString text = deck.name;
    if (deck.suits != carddeck::Suits::French) {
        text += QLatin1Char('\n') + carddeck::suitsText(deck.suits);
    }
    auto* item = new QListWidgetItem(waitingPreview(), text, m_list);
    item->setData(kPathRole, deck.path);
    item->setToolTip(deck.path);
    m_rows.push_back(m_list->row(item));
}

void CardDeckDialog::showLook(int row, const carddeck::DeckLook& look) {
    QListWidgetItem* item = m_list->item(row);
    if (!look.usable) {
        item->setText(item->text() + QLatin1Char('\n') + kCannotDraw);
        item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    } else {
        item->setIcon(QPixmap::fromImage(look.preview));
        if (!look.readableInHand) {
            item->setText(item->text() + QLatin1Char('\n') + kNotForTheHand);
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        }
    }
    if (item == m_list->currentItem() && (item->flags() & Qt::ItemIsEnabled) == 0) {
        m_list->setCurrentRow(0);
    }
    if (--m_pending == 0) {
        emit previewsFinished();
    }
}

QString CardDeckDialog::selectedPath() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item != nullptr ? item->data(kPathRole).toString() : QString();
}
