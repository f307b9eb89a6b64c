#include "chatview.h"

#include "cardpictures.h"

#include <QDesktopServices>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QUrl>

namespace {

constexpr int kStyleProperty = QTextFormat::UserProperty + 1;

} // namespace

ChatView::ChatView(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("mainchat"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(5);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xD7));
    setPalette(palette);
    const QColor windowText = colortext::toColor(0xFF000008);
    m_styles = {{
        {Qt::yellow},
        {Qt::blue, true},
        {QColor(0, 0, 0x80), true},
        {QColor(0x80, 0, 0), false, true},
        {QColor(0, 0x80, 0), false, false, true},
        {QColor(0, 0x80, 0), false, false, true},
        {QColor(0xC0, 0xC0, 0xC0)},
        {QColor(0xC0, 0xC0, 0xC0)},
        {windowText},
        {windowText},
        {windowText},
        {windowText},
        {windowText},
        {windowText},
        {windowText},
    }};
    openUrl = [](const QString& url) { QDesktopServices::openUrl(QUrl::fromUserInput(url)); };
    message = [](const QString&) {};
    connect(this, &QTextBrowser::anchorClicked, this, &ChatView::openLink);
}

int ChatView::styleFor(int lineCode) {
    // Codes outside 0..9 never come from the host or the status writers;
    // they are shown as status text.
    return lineCode >= 1 && lineCode <= 9 ? lineCode + 5 : kStatusStyle;
}

QTextCharFormat ChatView::formatFor(int style) const {
    const Style& s = m_styles[static_cast<std::size_t>(style)];
    QTextCharFormat format;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(m_pointSize);
    font.setBold(s.bold);
    font.setItalic(s.italic);
    font.setUnderline(s.underline);
    format.setFont(font);
    format.setForeground(s.colour);
    format.setProperty(kStyleProperty, style);
    return format;
}

void ChatView::recolourStyle(int style) {
    // Every earlier piece of text in the style takes the style's look.
    const QTextCharFormat format = formatFor(style);
    QTextCursor cursor(document());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat current = fragment.charFormat();
            if (!fragment.isValid() || current.isImageFormat() ||
                current.property(kStyleProperty).toInt() != style ||
                !current.hasProperty(kStyleProperty)) {
                continue;
            }
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat updated = format;
            if (current.isAnchor()) {
                updated.setAnchor(true);
                updated.setAnchorHref(current.anchorHref());
            }
            cursor.setCharFormat(updated);
        }
    }
}

void ChatView::addlinetochat(const QString& line, colortext::ColorValue colour) {
    const qsizetype plus = line.indexOf(QLatin1Char('+'));
    bool ok = false;
    const int code = line.left(plus < 0 ? 0 : plus).toInt(&ok);
    const int style = styleFor(ok ? code : 0);
    QString body = plus < 0 ? line : line.mid(plus + 1);
    const qsizetype colon = body.indexOf(QLatin1Char(':'));
    const QString prefix = colon < 0 ? QString() : body.left(colon + 1);
    body.remove(0, prefix.size());
    // One blank after the speaker, however the line was written.
    if (!prefix.isEmpty()) {
        while (body.startsWith(QLatin1Char(' '))) {
            body.remove(0, 1);
        }
    }

    Style& s = m_styles[static_cast<std::size_t>(style)];
    const QColor newColour = colortext::toColor(colour);
    const bool restyle = s.colour != newColour || !s.bold || s.italic || s.underline;
    s = {newColour, true, false, false};
    if (restyle) {
        recolourStyle(style);
    }

    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!document()->isEmpty()) {
        cursor.insertBlock();
    }
    cursor.insertText(prefix + QLatin1Char(' '), formatFor(style));
    const QString marker = QStringLiteral(":)#");
    for (qsizetype at = body.indexOf(marker); at >= 0; at = body.indexOf(marker)) {
        addWords(cursor, body.left(at), style);
        body.remove(0, at + marker.size());
        const QString digits = body.left(2);
        body.remove(0, digits.size());
        bool isNumber = false;
        int number = digits.toInt(&isNumber);
        if (!isNumber || digits.size() != 2 || number < 10 || number > 27) {
            number = 10;
        }
        addSmiley(cursor, number - 10);
    }
    if (!body.isEmpty()) {
        addWords(cursor, body, style);
    }
    if (!m_scrollOff) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
}

void ChatView::addWords(QTextCursor& cursor, QString text, int style) {
    text += QLatin1Char(' ');
    while (!text.isEmpty()) {
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        const QString word = text.left(blank + 1);
        text.remove(0, blank + 1);
        if (isLinkWord(word)) {
            m_linkCounter = m_linkCounter >= kLinkTableSize - 1 ? 1 : m_linkCounter + 1;
            m_linkTable[static_cast<std::size_t>(m_linkCounter)] = word;
            // The link carries its own word, so no list of them grows.
            QTextCharFormat link = formatFor(kLinkStyle);
            link.setAnchor(true);
            link.setAnchorHref(QStringLiteral("link:") +
                               QString::fromLatin1(QUrl::toPercentEncoding(word.trimmed())));
            cursor.insertText(word, link);
        } else {
            cursor.insertText(word, formatFor(style));
        }
    }
}

void ChatView::addSmiley(QTextCursor& cursor, int number) {
    QTextImageFormat image;
    image.setName(QStringLiteral("smiley:%1").arg(number));
    image.setWidth(17);
    image.setHeight(16);
    image.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    cursor.insertImage(image);
}

bool ChatView::isLinkWord(const QString& word) {
    return word.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           word.startsWith(QLatin1String("https://"), Qt::CaseInsensitive) ||
           word.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
}

QUrl ChatView::webAddress(const QString& word) {
    // Only web pages open: a word that says http, https or www, and means it.
    const QString text = word.trimmed();
    if (!isLinkWord(text)) {
        return QUrl();
    }
    const QUrl url = QUrl::fromUserInput(text);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        return QUrl();
    }
    return url;
}

void ChatView::openLink(const QUrl& url) {
    const QString target = url.toString(QUrl::FullyEncoded);
    const QString word = target.startsWith(QLatin1String("link:"))
                             ? QUrl::fromPercentEncoding(target.mid(5).toLatin1())
                             : QString();
    const QUrl page = webAddress(word);
    if (page.isEmpty()) {
        message(QStringLiteral("Cannot open Webpage"));
        return;
    }
    openUrl(page.toString());
}

QVariant ChatView::loadResource(int type, const QUrl& name) {
    // Smilies are drawn when a line first shows one.
    if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("smiley")) {
        bool ok = false;
        const int n = name.path().toInt(&ok);
        if (ok && n >= 0 && n < cardpictures::kSmilies) {
            return cardpictures::smiley(n, devicePixelRatioF());
        }
    }
    return QTextBrowser::loadResource(type, name);
}

void ChatView::clearMainChat() {
    clear();
}

void ChatView::setTextSize(int points) {
    m_pointSize = points;
    QTextCursor cursor(document());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat()) {
                continue;
            }
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat sized;
            sized.setFontPointSize(points);
            cursor.mergeCharFormat(sized);
        }
    }
}

QColor ChatView::colourAt(int position) const {
    QTextCursor cursor(document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().foreground().color();
}

QMimeData* ChatView::createMimeDataFromSelection() const {
    auto* plain = new QMimeData;
    plain->setText(textCursor().selection().toPlainText());
    return plain;
}
