#include "app/mainwindowtexts.h"

#include "lang/sprachen.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace zevo {

namespace {

struct Element {
    const char* name;
    int id;
};

// Menus and pop-up menu entries: the caption.
constexpr Element MenuTexts[] = {
    {"Datei1", 0},
    {"Druckereinrichtung1", 1},
    {"Schlieen1", 199},
    {"Einstellungen1", 2},
    {"Grundeinstellungen1", 3},
    {"MitarbeiterTextzeile1", 4},
    {"Firmenanschrift1", 5},
    {"Numerisch1", 6},
    {"Kurven1", 7},
    {"Balken1", 8},
    {"Abbrechen1", 9},
    {"VAHA1", 10},
    {"Feststellbremse1", 11},
    {"VABetriebsbremse1", 12},
    {"HABetriebsbremse1", 13},
};

// Pages of PageControl1: the tab caption.
constexpr Element TabTexts[] = {
    {"TabSheet1", 14}, {"TabSheet2", 15}, {"Tabsheet3", 16}, {"TabSheet4", 17}, {"TabSheet6", 18},
};

constexpr Element LabelTexts[] = {
    // customer fields, tab "KD/Kfz Daten"
    {"Label20", 19},
    {"Label21", 20},
    {"Label22", 21},
    {"Label44", 22},
    {"Label45", 23},
    {"Label46", 24},
    {"Label47", 25},
    {"Label48", 26},
    // vehicle fields, tab "KD/Kfz Daten"
    {"Label53", 27},
    {"Label54", 28},
    {"Label55", 29},
    {"Label56", 30},
    {"Label57", 31},
    {"Label58", 32},
    {"Label59", 33},
    {"Label60", 34},
    {"Label61", 35},
    // headings and legend, tab "Kurven Grafik"
    {"Label1", 43},
    {"Label19", 44},
    {"Label3", 45},
    {"Label4", 46},
    {"laVaLinks", 47},
    {"laHALinks", 48},
    {"laVARechts", 49},
    {"laHArechts", 50},
    {"laPedal", 51},
    // headings and groups, tab "Balken Grafik"
    {"Label9", 52},
    {"Label12", 53},
    {"Label13", 54},
    {"Label14", 55},
    {"Label23", 56},
    {"Label26", 57},
    {"Label27", 58},
    {"Label28", 59},
    {"Label24", 60},
    {"Label29", 61},
    {"Label30", 62},
    {"Label31", 63},
    {"Label25", 64},
    {"Label32", 65},
    {"Label33", 66},
    {"Label34", 67},
};

// Speed buttons: the hint.
constexpr Element HintTexts[] = {
    {"SpeedButton1", 222}, {"SpeedButton4", 223}, {"SpeedButton5", 224}, {"SpeedButton2", 225},  {"SpeedButton3", 226},
    {"spbuVAHA", 227},     {"spbuVA", 228},       {"spbuHA", 229},       {"spbuFeststell", 230},
};

// The archive tab repeats the labels of the customer tab: target, source.
constexpr std::pair<const char*, const char*> LabelCopies[] = {
    {"Label49", "Label20"}, {"Label50", "Label21"}, {"Label51", "Label22"}, {"Label52", "Label44"},
    {"Label63", "Label45"}, {"Label64", "Label46"}, {"Label65", "Label47"}, {"Label66", "Label48"},
    {"Label70", "Label53"}, {"Label71", "Label54"}, {"Label72", "Label55"}, {"Label73", "Label56"},
    {"Label74", "Label57"}, {"Label76", "Label58"}, {"Label75", "Label59"}, {"Label67", "Label60"},
    {"Label77", "Label61"},
};

constexpr int CurrentTestsTitleIds[] = {36, 37, 38, 39, 40, 41, 42};

QString NameOf(const char* name)
{
    return QString::fromLatin1(name);
}

} // namespace

QStringList ApplyMainWindowTexts(QWidget& window, int sprache)
{
    sprache = LimitSprache(sprache);
    QStringList missing;

    for (const Element& element : MenuTexts) {
        QObject* object = window.findChild<QObject*>(NameOf(element.name));
        if (auto* menu = qobject_cast<QMenu*>(object))
            menu->setTitle(TextOf(element.id, sprache));
        else if (auto* action = qobject_cast<QAction*>(object))
            action->setText(TextOf(element.id, sprache));
        else
            missing << NameOf(element.name);
    }

    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (const Element& element : TabTexts) {
        QWidget* page = window.findChild<QWidget*>(NameOf(element.name));
        const int index = pages && page ? pages->indexOf(page) : -1;
        if (index >= 0)
            pages->setTabText(index, TextOf(element.id, sprache));
        else
            missing << NameOf(element.name);
    }

    for (const Element& element : LabelTexts) {
        if (auto* label = window.findChild<QLabel*>(NameOf(element.name)))
            label->setText(TextOf(element.id, sprache));
        else
            missing << NameOf(element.name);
    }

    for (const Element& element : HintTexts) {
        if (auto* button = window.findChild<QAbstractButton*>(NameOf(element.name)))
            button->setToolTip(TextOf(element.id, sprache));
        else
            missing << NameOf(element.name);
    }

    for (const auto& [target, source] : LabelCopies) {
        auto* to = window.findChild<QLabel*>(NameOf(target));
        auto* from = window.findChild<QLabel*>(NameOf(source));
        if (to && from)
            to->setText(from->text());
        else
            missing << NameOf(to ? source : target);
    }
    return missing;
}

QStringList CurrentTestsColumnTitles(int sprache)
{
    QStringList titles;
    for (int id : CurrentTestsTitleIds)
        titles << TextOf(id, sprache);
    return titles;
}

QStringList ArchiveColumnTitles(int sprache)
{
    return CurrentTestsColumnTitles(sprache) << TextOf(20, sprache) << TextOf(21, sprache);
}

} // namespace zevo
