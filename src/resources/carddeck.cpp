#include "carddeck.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>

#include <algorithm>
#include <array>

namespace carddeck {

namespace {

const std::array<const char*, 13> kRanks = {"2", "3",  "4",    "5",     "6",    "7", "8",
                                            "9", "10", "jack", "queen", "king", "1"};
const std::array<const char*, 4> kSuits = {"club", "diamond", "spade", "heart"};

// "anglo_modern" -> "Anglo Modern", "swiss-xvii" -> "Swiss XVII".
QString titleFromFileName(const QString& base) {
    QStringList words = base.split(QRegularExpression(QStringLiteral("[_-]")), Qt::SkipEmptyParts);
    static const QRegularExpression roman(QStringLiteral("^[ivxlc]+$"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (QString& word : words) {
        if (roman.match(word).hasMatch()) {
            word = word.toUpper();
        } else {
            word[0] = word[0].toUpper();
        }
    }
    return words.join(QLatin1Char(' '));
}

// The value of "Key=" in the [KDE Backdeck] or [KDE Cards] part of an
// index.desktop, untranslated.
QString desktopValue(const QString& file, const QString& key) {
    QFile index(file);
    if (!index.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return QString();
    }
    const QString prefix = key + QLatin1Char('=');
    while (!index.atEnd()) {
        const QString line = QString::fromUtf8(index.readLine()).trimmed();
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size());
        }
    }
    return QString();
}

// The decks of other suits that the desktop's deck packages install, by
// the words of their names or files: KDE's "XSkat German" (german.svgz)
// and GNOME's "Swiss XVII" (swiss-xvii.svgz).
Suits suitsOf(const QString& name, const QString& path) {
    const QString words = name + QLatin1Char(' ') + QFileInfo(path).completeBaseName();
    if (words.contains(QLatin1String("german"), Qt::CaseInsensitive)) {
        return Suits::German;
    }
    if (words.contains(QLatin1String("swiss"), Qt::CaseInsensitive)) {
        return Suits::Swiss;
    }
    return Suits::French;
}

bool isSvg(const QString& name) {
    return name.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".svgz"), Qt::CaseInsensitive);
}

} // namespace

QStringList searchFolders() {
    const QString chosen = qEnvironmentVariable("HEARTS_CARD_DECKS");
    if (!chosen.isEmpty()) {
        return chosen.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    }
    QStringList folders;
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders << QDir(data).filePath(QStringLiteral("carddecks"))
                << QDir(data).filePath(QStringLiteral("aisleriot/cards"));
    }
    folders.removeDuplicates();
    return folders;
}

std::vector<DeckInfo> findDecks(const QStringList& folders) {
    std::vector<DeckInfo> decks;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QFileInfo& entry :
             dir.entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
            if (entry.isDir()) {
                const QString index =
                    QDir(entry.filePath()).filePath(QStringLiteral("index.desktop"));
                const QString svg = desktopValue(index, QStringLiteral("SVG"));
                if (svg.isEmpty() || !QFileInfo::exists(QDir(entry.filePath()).filePath(svg))) {
                    continue;
                }
                QString name = desktopValue(index, QStringLiteral("Name"));
                decks.push_back({name.isEmpty() ? entry.fileName() : name,
                                 QDir(entry.filePath()).filePath(svg)});
            } else if (isSvg(entry.fileName())) {
                decks.push_back(
                    {titleFromFileName(entry.completeBaseName().section(QLatin1Char('.'), 0, 0)),
                     entry.filePath()});
            }
        }
    }
    // The same deck comes in both packages ("Dondorf", "Paris"): the first
    // found stays.
    std::vector<DeckInfo> unique;
    for (DeckInfo& deck : decks) {
        const auto same = [&deck](const DeckInfo& kept) {
            return kept.name.compare(deck.name, Qt::CaseInsensitive) == 0;
        };
        if (std::none_of(unique.begin(), unique.end(), same)) {
            deck.suits = suitsOf(deck.name, deck.path);
            unique.push_back(std::move(deck));
        }
    }
    std::stable_sort(unique.begin(), unique.end(), [](const DeckInfo& a, const DeckInfo& b) {
        if (a.suits != b.suits) {
            return a.suits < b.suits;
        }
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return unique;
}

QString suitsText(Suits suits) {
    switch (suits) {
    case Suits::French:
        break;
    case Suits::German:
        return QStringLiteral("German suits: acorns, leaves, hearts, bells");
    case Suits::Swiss:
        return QStringLiteral("Swiss suits: acorns, shields, roses, bells");
    }
    return QString();
}

SvgDeck::~SvgDeck() = default;

std::unique_ptr<SvgDeck> SvgDeck::load(const QString& path) {
    auto renderer = std::make_unique<QSvgRenderer>(path);
    if (!renderer->isValid()) {
        return nullptr;
    }
    std::unique_ptr<SvgDeck> deck(new SvgDeck);
    deck->m_path = path;
    deck->m_ids.resize(53);
    deck->m_ids[0] = QStringLiteral("back");
    if (!renderer->elementExists(deck->m_ids[0])) {
        return nullptr;
    }
    for (int card = 1; card <= 52; ++card) {
        const QString rank = QString::fromLatin1(kRanks[static_cast<std::size_t>((card - 1) % 13)]);
        const QString suit = QString::fromLatin1(kSuits[static_cast<std::size_t>((card - 1) / 13)]);
        // KDE's naming, then GNOME's.
        QString id = rank + QLatin1Char('_') + suit;
        if (!renderer->elementExists(id)) {
            id = suit + QLatin1Char('_') + rank;
        }
        if (!renderer->elementExists(id)) {
            return nullptr;
        }
        deck->m_ids[static_cast<std::size_t>(card)] = id;
    }
    deck->m_renderer = std::move(renderer);
    return deck;
}

void SvgDeck::draw(QPainter& painter, int index, const QRectF& into) const {
    if (index < 0 || index > 52) {
        return;
    }
    const QString& id = m_ids[static_cast<std::size_t>(index)];
    // The card keeps its own shape, centred in the place of a card.
    const QRectF bounds = m_renderer->boundsOnElement(id);
    if (bounds.isEmpty()) {
        return;
    }
    const qreal scale = std::min(into.width() / bounds.width(), into.height() / bounds.height());
    const QSizeF size = bounds.size() * scale;
    const QRectF target(into.center() - QPointF(size.width() / 2, size.height() / 2), size);
    m_renderer->render(&painter, id, target);
}

} // namespace carddeck
