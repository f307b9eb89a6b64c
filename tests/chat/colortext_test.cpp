#include "colortext.h"

#include <gtest/gtest.h>

TEST(ColorText, ReadAndWriteBothWays) {
    struct Case {
        const char* text;
        bool ok;
        colortext::ColorValue value;
        const char* written; // how the value is written back
    };
    const Case cases[] = {
        {"clBlack", true, 0x000000, "clBlack"},
        {"clblack", true, 0x000000, "clBlack"},
        {"CLRED", true, 0x0000FF, "clRed"},
        {"clBlue", true, 0xFF0000, "clBlue"},
        {"$00FF0000", true, 0xFF0000, "clBlue"},
        {"$000000FF", true, 0x0000FF, "clRed"},
        {"$00123456", true, 0x123456, "$00123456"},
        {"$00abcdef", true, 0xABCDEF, "$00ABCDEF"},
        {"clWindowText", true, 0xFF000008, "clWindowText"},
        {"clbtnface", true, 0xFF00000F, "clBtnFace"},
        {"255", true, 0xFF, "clRed"},
        {"", false, 0, ""},
        {"clNoSuchColour", false, 0, ""},
        {"$", false, 0, ""},
        {"$XYZ", false, 0, ""},
        {"$1234567890", false, 0, ""},
        {"black", false, 0, ""},
    };
    for (const Case& c : cases) {
        colortext::ColorValue value = 0x777777;
        EXPECT_EQ(colortext::fromText(QString::fromLatin1(c.text), value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
            EXPECT_EQ(colortext::toText(value).toStdString(), c.written) << c.text;
        }
    }
    EXPECT_EQ(colortext::toColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(colortext::fromColor(QColor(0, 0, 255)), 0xFF0000u);
}
