#include "frm_date.h"

#include "app/window_exit.h"
#include "calendar/calendar_annotations.h"
#include "calendar/calendar_month.h"
#include "calendar/calendar_year_info.h"

#include <QEvent>
#include <algorithm>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr int kColumnStep = 42;
constexpr int kRowStep = 32;
constexpr int kLunarBelowSolar = 16;
constexpr QPoint kFirstPair(14, 78);  // where the template day1 sits
constexpr int kButtonStrip = 34;      // below the grid: the "关闭" button

QColor noteColour(DayNoteColour colour)
{
    switch (colour) {
    case DayNoteColour::Green: return QColor(0, 64, 0);
    case DayNoteColour::Red: return QColor(255, 0, 0);
    case DayNoteColour::Orange: return QColor(255, 128, 0);
    case DayNoteColour::Blue: return QColor(83, 83, 255);
    }
    return Qt::black;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

}  // namespace

TFRM_Date::TFRM_Date(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FRM_Date"));
    setWindowTitle(QStringLiteral("嘉名日历"));
    setFixedSize(7 * kColumnStep + 24, kFirstPair.y() + 6 * kRowStep + 12 + kButtonStrip);

    // The large faint year and month stand behind everything else.
    Label20 = makeLabel(this, "Label20", QString(), QRect(20, 90, 200, 90));
    Label16 = makeLabel(this, "Label16", QString(), QRect(200, 150, 110, 90));
    for (QLabel* faint : {Label20, Label16}) {
        QFont f = faint->font();
        f.setPixelSize(72);
        f.setBold(true);
        faint->setFont(f);
        setTextColour(faint, QColor(232, 236, 242));
    }

    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setFrameShape(QFrame::Box);
    Shape2->setStyleSheet(QStringLiteral("QFrame#Shape2 { border: 1px solid rgb(255, 128, 0); background: rgb(255, 244, 214); }"));
    Shape2->resize(kColumnStep - 2, kRowStep);

    Label1 = makeLabel(this, "Label1", QString(), QRect(14, 8, 44, 20));
    Label1->setToolTip(QStringLiteral("单击改变年份"));
    makeLabel(this, "yearUnit", QStringLiteral("年"), QRect(58, 8, 16, 20));
    Label17 = makeLabel(this, "Label17", QString(), QRect(78, 8, 22, 20));
    Label17->setToolTip(QStringLiteral("单击改变月份"));
    makeLabel(this, "monthUnit", QStringLiteral("月"), QRect(100, 8, 16, 20));
    for (QLabel* clickable : {Label1, Label17}) {
        QFont f = clickable->font();
        f.setPixelSize(16);
        f.setBold(true);
        clickable->setFont(f);
        clickable->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        clickable->setCursor(Qt::PointingHandCursor);
        clickable->installEventFilter(this);
    }

    UpDown1 = new QSpinBox(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(kCalendarFirstYear, kCalendarLastYear);
    UpDown2 = new QSpinBox(this);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->setRange(1, 12);
    UpDown2->setWrapping(true);
    for (QSpinBox* spin : {UpDown1, UpDown2}) {
        spin->setGeometry(120, 6, 70, 24);
        spin->hide();
    }
    connect(UpDown1, &QSpinBox::valueChanged, this, &TFRM_Date::UpDown1Click);
    connect(UpDown2, &QSpinBox::valueChanged, this, &TFRM_Date::UpDown2Click);

    StaticText1 = makeLabel(this, "StaticText1", QStringLiteral("今天"), QRect(width() - 50, 8, 36, 20));
    StaticText1->setFrameShape(QFrame::Panel);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setCursor(Qt::PointingHandCursor);
    StaticText1->installEventFilter(this);

    Label21 = makeLabel(this, "Label21", QString(), QRect(14, 32, 120, 18));
    Label22 = makeLabel(this, "Label22", QString(), QRect(140, 32, 120, 18));
    setTextColour(Label21, QColor(128, 0, 0));
    setTextColour(Label22, QColor(0, 0, 128));

    for (int column = 0; column < 7; ++column) {
        const int weekday = column == 0 ? 7 : column;  // Sunday first
        QLabel* header = makeLabel(this, "", WeekdayHeading(weekday),
                                   QRect(kFirstPair.x() + column * kColumnStep - 2, 54, kColumnStep, 18));
        header->setObjectName(QStringLiteral("Weekday%1").arg(column + 1));
        header->setAlignment(Qt::AlignCenter);
        setTextColour(header, column == 0 || column == 6 ? QColor(255, 0, 0) : QColor(0, 0, 0));
        weekdayHeaders[column] = header;
    }

    day1 = makeLabel(this, "day1", QString(), QRect(kFirstPair, QSize(kColumnStep - 4, 18)));
    day1->setAlignment(Qt::AlignCenter);
    Cnday = makeLabel(this, "Cnday", QString(), QRect(kFirstPair + QPoint(0, kLunarBelowSolar), QSize(kColumnStep - 4, 14)));
    Cnday->setAlignment(Qt::AlignCenter);
    QFont small = Cnday->font();
    small.setPixelSize(11);
    Cnday->setFont(small);
    setTextColour(Cnday, QColor(0, 64, 0));
    day1->hide();
    Cnday->hide();

    // DayGrid: copies of the templates, one pair per cell.
    for (int i = 0; i < kCalendarPairCount; ++i) {
        const QPoint offset((i % 7) * kColumnStep, (i / 7) * kRowStep);
        auto* solar = makeLabel(this, "", QString(), day1->geometry().translated(offset));
        auto* lunar = makeLabel(this, "", QString(), Cnday->geometry().translated(offset));
        solar->setObjectName(QStringLiteral("SolarDay%1").arg(i + 1));
        lunar->setObjectName(QStringLiteral("LunarDay%1").arg(i + 1));
        solar->setAlignment(day1->alignment());
        lunar->setAlignment(Cnday->alignment());
        lunar->setFont(Cnday->font());
        for (QLabel* label : {solar, lunar}) {
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
            label->hide();
        }
        grid.solar[i] = solar;
        grid.lunar[i] = lunar;
    }
    addCloseButton(this, nullptr)->setGeometry(width() - 82, height() - kButtonStrip + 2, 70, 26);

    Label20->lower();
    Label16->lower();
    Shape2->stackUnder(grid.solar[0]);
}

void TFRM_Date::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFRM_Date::FormShow()
{
    year_ = selected_.year();
    month_ = selected_.month();
    day_ = selected_.day();
    // Setting the spin buttons must not redraw through their handlers before the month is known.
    const QSignalBlocker blockYear(UpDown1), blockMonth(UpDown2);
    UpDown1->setValue(year_);
    UpDown2->setValue(month_);
    drawMonth(selected_);
}

void TFRM_Date::drawMonth(const QDate& x)
{
    const CalendarMonthView view = CalendarMonthOf(x);
    Label20->setText(QString::number(view.year));
    Label1->setText(QString::number(view.year));
    Label17->setText(QString::number(view.month));
    Label16->setText(QString::number(view.month));
    Label21->setText(view.zodiac);

    QFont solarFont = day1->font();
    solarFont.setPixelSize(11 * 4 / 3);  // size 11 in points at the window's 96 dpi
    for (int i = 0; i < kCalendarPairCount; ++i) {
        grid.solar[i]->hide();
        grid.lunar[i]->hide();
        grid.solar[i]->setFont(solarFont);
        setTextColour(grid.solar[i], Qt::black);
        setTextColour(grid.lunar[i], Qt::black);
    }
    for (const CalendarDayNote& note : view.days) {
        QLabel* solar = grid.solar[note.pair - 1];
        QLabel* lunar = grid.lunar[note.pair - 1];
        solar->setText(QString::number(note.day));
        lunar->setText(note.text);
        setTextColour(lunar, noteColour(note.colour));
        solar->setProperty("tag", note.day);
        lunar->setProperty("tag", note.day);
        if (note.day == view.selectedDay) {
            moveShapeToSolar(solar);
            Label22->setText(view.sign);
        }
        solar->show();
        lunar->show();
    }
}

void TFRM_Date::moveShapeToSolar(const QLabel* solar) { Shape2->move(solar->x() - 1, solar->y() + 1); }

void TFRM_Date::Label1Click()
{
    UpDown1->show();
    UpDown2->hide();
}

void TFRM_Date::Label17Click()
{
    UpDown2->show();
    UpDown1->hide();
}

void TFRM_Date::UpDown1Click(int position)
{
    year_ = position;
    drawMonth(ClampedDate(year_, month_, day_));
}

void TFRM_Date::UpDown2Click(int position)
{
    month_ = position;
    drawMonth(ClampedDate(year_, month_, day_));
}

void TFRM_Date::StaticText1Click()
{
    selected_ = QDate::currentDate();
    FormShow();
}

void TFRM_Date::dayLabelMouseDown(QLabel* label)
{
    const int index = int(std::find(grid.lunar.begin(), grid.lunar.end(), label) - grid.lunar.begin());
    if (index < kCalendarPairCount) Shape2->move(label->x(), label->y() - kLunarBelowSolar);
    else moveShapeToSolar(label);
}

void TFRM_Date::dayLabelClick(const QLabel* label)
{
    day_ = label->property("tag").toInt();
    selected_ = QDate(year_, month_, day_);
    // Redrawn, so that the sign beside the animal is the clicked day's.
    drawMonth(selected_);
}

bool TFRM_Date::eventFilter(QObject* watched, QEvent* event)
{
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label || (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease))
        return QDialog::eventFilter(watched, event);
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
    if (label == Label1) {
        if (!press) Label1Click();
    } else if (label == Label17) {
        if (!press) Label17Click();
    } else if (label == StaticText1) {
        if (!press) StaticText1Click();
    } else if (label->property("tag").isValid()) {
        if (press) dayLabelMouseDown(label);
        else dayLabelClick(label);
    } else {
        return false;
    }
    return true;
}

void TFRM_Date::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    // It closes once it has been the active window and another application comes to the front.
    if (isActiveWindow()) wasActive_ = true;
    else if (wasActive_) close();
}
