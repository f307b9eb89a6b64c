#include "colortext.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <utility>

namespace colortext {

namespace {

struct Named {
    const char* name;
    ColorValue value;
};

// The colour table: plain colours, then the system colours.
constexpr std::array<Named, 52> kNames{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", 0xFF000000},
    {"clBackground", 0xFF000001},
    {"clActiveCaption", 0xFF000002},
    {"clInactiveCaption", 0xFF000003},
    {"clMenu", 0xFF000004},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clMenuText", 0xFF000007},
    {"clWindowText", 0xFF000008},
    {"clCaptionText", 0xFF000009},
    {"clActiveBorder", 0xFF00000A},
    {"clInactiveBorder", 0xFF00000B},
    {"clAppWorkSpace", 0xFF00000C},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clBtnFace", 0xFF00000F},
    {"clBtnShadow", 0xFF000010},
    {"clGrayText", 0xFF000011},
    {"clBtnText", 0xFF000012},
    {"clInactiveCaptionText", 0xFF000013},
    {"clBtnHighlight", 0xFF000014},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clInfoText", 0xFF000017},
    {"clInfoBk", 0xFF000018},
    {"clHotLight", 0xFF00001A},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clMenuHighlight", 0xFF00001D},
    {"clMenuBar", 0xFF00001E},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
}};

} // namespace

bool fromText(const QString& text, ColorValue& value) {
    for (const Named& named : kNames) {
        if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            value = named.value;
            return true;
        }
    }
    bool ok = false;
    if (text.startsWith(QLatin1Char('$')) && text.size() > 1 && text.size() <= 9) {
        value = text.mid(1).toUInt(&ok, 16);
        return ok;
    }
    if (!text.isEmpty() && (text.at(0).isDigit() || text.at(0) == QLatin1Char('-'))) {
        const qint64 number = text.toLongLong(&ok, 10);
        if (ok && number >= INT32_MIN && number <= UINT32_MAX) {
            value = static_cast<ColorValue>(number);
            return true;
        }
    }
    return false;
}

QString toText(ColorValue value) {
    for (const Named& named : kNames) {
        if (named.value == value) {
            return QString::fromLatin1(named.name);
        }
    }
    return QStringLiteral("$%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

QColor toColor(ColorValue value) {
    if ((value & 0xFF000000u) == 0xFF000000u) {
        const QPalette palette = QGuiApplication::palette();
        switch (value & 0xFFu) {
        case 0x05:
        case 0x18:
            return palette.color(QPalette::Base);
        case 0x0D:
        case 0x1D:
            return palette.color(QPalette::Highlight);
        case 0x0E:
            return palette.color(QPalette::HighlightedText);
        case 0x0F:
        case 0x04:
        case 0x1E:
            return palette.color(QPalette::Button);
        case 0x10:
        case 0x15:
            return palette.color(QPalette::Dark);
        case 0x11:
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 0x14:
        case 0x16:
            return palette.color(QPalette::Light);
        default:
            return palette.color(QPalette::WindowText);
        }
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

ColorValue fromColor(const QColor& color) {
    return static_cast<ColorValue>(color.red()) | (static_cast<ColorValue>(color.green()) << 8) |
           (static_cast<ColorValue>(color.blue()) << 16);
}

} // namespace colortext
