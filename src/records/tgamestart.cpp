#include "tgamestart.h"

#include "cardpictures.h"
#include "picturebutton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

using cardpictures::Picture;

namespace {

// The first trick's switch as assistive technology sees it: a check box,
// checked when the switch is on.
class SwitchAccessible : public QAccessibleWidget {
public:
    explicit SwitchAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::CheckBox) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = widget()->property("checked").toBool();
        return state;
    }
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction()) {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
            QCoreApplication::sendEvent(widget(), &space);
        }
    }
};

QAccessibleInterface* switchFactory(const QString& /*className*/, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (label != nullptr && label->objectName() == QLatin1String("image_safe")) {
        return new SwitchAccessible(label);
    }
    return nullptr;
}

} // namespace

Tgamestart::Tgamestart(QWidget* parent)
    : SideWindow(QStringLiteral("Hearts - Game Start"), parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    // The table's tiled background.
    useTableBackground();

    auto* layout = new QGridLayout(this);
    auto* heading = new QLabel(QStringLiteral("Game Option"), this);
    QFont headingFont(QStringLiteral("Liberation Sans"));
    headingFont.setPixelSize(18);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setStyleSheet(QStringLiteral("color: #1B625F"));
    layout->addWidget(heading, 0, 0, 1, 2, Qt::AlignHCenter);

    layout->addWidget(new QLabel(QStringLiteral("Play to Score:"), this), 1, 0);
    UpDown1 = new QSpinBox(this);
    UpDown1->setObjectName(QStringLiteral("edit_playtoscore"));
    UpDown1->setAccessibleName(QStringLiteral("Play to Score"));
    UpDown1->setRange(50, 500);
    UpDown1->setSingleStep(10);
    UpDown1->setValue(100);
    UpDown1->setWrapping(false);
    UpDown1->setGroupSeparatorShown(false);
    // The field only shows the selector's position.
    UpDown1->findChild<QLineEdit*>()->setReadOnly(true);
    layout->addWidget(UpDown1, 1, 1);

    auto* safeLabel = new QLabel(QStringLiteral("Safe 1st Trick"), this);
    const QString hint = QStringLiteral(
        "If checked, no heart or the Queen of Spades can be played on the first trick.");
    safeLabel->setToolTip(hint);
    layout->addWidget(safeLabel, 2, 0);
    image_safe = new QLabel(this);
    static const bool switchSpoken = [] {
        QAccessible::installFactory(switchFactory);
        return true;
    }();
    Q_UNUSED(switchSpoken);
    image_safe->setObjectName(QStringLiteral("image_safe"));
    image_safe->setToolTip(hint);
    image_safe->setCursor(Qt::PointingHandCursor);
    image_safe->installEventFilter(this);
    // Space turns the switch; the keyboard focus shows as a ring.
    image_safe->setFocusPolicy(Qt::StrongFocus);
    image_safe->setAccessibleName(safeLabel->text());
    image_safe->setStyleSheet(QStringLiteral(
        "QLabel { border: 2px solid transparent; } QLabel:focus { border: 2px dashed #0B3D91; }"));
    layout->addWidget(image_safe, 2, 1);
    changebox(0);

    auto* levelLabel = new QLabel(QStringLiteral("Computer &players:"), this);
    levelLabel->setToolTip(
        QStringLiteral("Strong computer players count the cards and search for their best play."));
    layout->addWidget(levelLabel, 3, 0);
    combo_computerlevel = new QComboBox(this);
    combo_computerlevel->setObjectName(QStringLiteral("combo_computerlevel"));
    combo_computerlevel->addItems({QStringLiteral("Classic"), QStringLiteral("Strong")});
    combo_computerlevel->setToolTip(levelLabel->toolTip());
    levelLabel->setBuddy(combo_computerlevel);
    layout->addWidget(combo_computerlevel, 3, 1);

    auto* rulesLabel = new QLabel(QStringLiteral("House rules:"), this);
    rulesLabel->setToolTip(QStringLiteral("Rules many tables add; everyone at the table is told "
                                          "which are in force when the game starts."));
    layout->addWidget(rulesLabel, 4, 0, 1, 2);
    auto addRule = [&](QCheckBox*& box, const char* name, const QString& text, const QString& tip,
                       int row) {
        box = new QCheckBox(text, this);
        box->setObjectName(QLatin1String(name));
        box->setToolTip(tip);
        layout->addWidget(box, row, 0, 1, 2);
    };
    addRule(check_jackofdiamonds, "check_jackofdiamonds",
            QStringLiteral("&Jack of diamonds: \u221210 points"),
            QStringLiteral("Whoever takes the jack of diamonds has 10 points taken off."), 5);
    addRule(check_queenbreakshearts, "check_queenbreakshearts",
            QStringLiteral("&Queen of spades breaks hearts"),
            QStringLiteral("Once the queen of spades is played, hearts may be led."), 6);
    addRule(check_moonsubtracts, "check_moonsubtracts",
            QStringLiteral("&Moon: subtract 26 from the shooter"),
            QStringLiteral("Shooting the moon takes 26 off the shooter's score instead of "
                           "giving 26 to everyone else."),
            7);
    addRule(check_nopasshand, "check_nopasshand",
            QStringLiteral("Every fourth hand &keeps its cards"),
            QStringLiteral("Unchecked: the passing goes left, right, across and starts again, "
                           "with no hand played without passing."),
            8);
    setHouseRules({});

    auto* start = new PictureButton(
        [](qreal ratio) { return cardpictures::board(Picture::StartButton, ratio); },
        cardpictures::boardSize(Picture::StartButton), this);
    start->setObjectName(QStringLiteral("button_start"));
    start->setAccessibleName(QStringLiteral("Start Game"));
    button_start = start;
    connect(start, &QAbstractButton::clicked, this, &Tgamestart::button_startClick);
    layout->addWidget(start, 9, 0, 1, 2, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const QMargins margins = layout->contentsMargins();
    heading->setMinimumWidth(captionRoom() - margins.left() - margins.right());
}

void Tgamestart::keyPressEvent(QKeyEvent* event) {
    // Enter starts the game from anywhere in the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        button_startClick();
        return;
    }
    SideWindow::keyPressEvent(event);
}

hearts::HouseRules Tgamestart::houseRules() const {
    hearts::HouseRules rules;
    rules.jackOfDiamonds = check_jackofdiamonds->isChecked();
    rules.queenBreaksHearts = check_queenbreakshearts->isChecked();
    rules.moonSubtracts = check_moonsubtracts->isChecked();
    rules.noPassHand = check_nopasshand->isChecked();
    return rules;
}

void Tgamestart::setHouseRules(const hearts::HouseRules& rules) {
    check_jackofdiamonds->setChecked(rules.jackOfDiamonds);
    check_queenbreakshearts->setChecked(rules.queenBreaksHearts);
    check_moonsubtracts->setChecked(rules.moonSubtracts);
    check_nopasshand->setChecked(rules.noPassHand);
}

void Tgamestart::changebox(int state) {
    m_safe = state;
    image_safe->setProperty("checked", state == 1);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(image_safe, changed);
    QAccessible::updateAccessibility(&event);
    image_safe->setPixmap(cardpictures::board(state == 1 ? Picture::SwitchOn : Picture::SwitchOff,
                                              devicePixelRatioF()));
}

bool Tgamestart::eventFilter(QObject* watched, QEvent* event) {
    const bool space =
        event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    if (watched == image_safe && (event->type() == QEvent::MouseButtonPress || space)) {
        changebox(m_safe == 0 ? 1 : 0);
        return true;
    }
    return SideWindow::eventFilter(watched, event);
}

void Tgamestart::button_startClick() {
    emit startRequested(playtoText(), m_safe);
    hide();
}
