#pragma once

#include "sidewindow.h"

class Ttallylist : public SideWindow {
    Q_OBJECT
public:
    explicit Ttallylist(QWidget* parent = nullptr)
        : SideWindow(QStringLiteral("Hearts - Tally List"), parent) {}
};
