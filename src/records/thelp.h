#pragma once

#include "sidewindow.h"

class Thelp : public SideWindow {
    Q_OBJECT
public:
    explicit Thelp(QWidget* parent = nullptr)
        : SideWindow(QStringLiteral("Hearts - Help File"), parent) {}
};
