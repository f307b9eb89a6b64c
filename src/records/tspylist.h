#pragma once

#include "sidewindow.h"

class Tspylist : public SideWindow {
    Q_OBJECT
public:
    explicit Tspylist(QWidget* parent = nullptr)
        : SideWindow(QStringLiteral("Hearts - Spys"), parent) {}
};
