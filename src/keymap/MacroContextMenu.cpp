#include "MacroContextMenu.h"

#include "CSkinDialog.h"
#include "SkinButton.h"

#include <QMenu>

#include <array>

namespace {

struct Item {
    const char16_t* chinese;
    const char16_t* english;
    int command;
    int keyCode;  // the mouse action inserted
    int times;    // how many of its lines
};

struct SubMenu {
    const char16_t* chinese;
    const char16_t* english;
    std::vector<Item> items;
};

constexpr int kMouseLeft = 130;
constexpr int kMouseRight = 131;
constexpr int kMouseMiddle = 132;
constexpr int kWheelUp = 133;
constexpr int kWheelDown = 134;

std::vector<Item> buttonItems(int firstCommand, int keyCode)
{
    return {{u"按下", u"Press", firstCommand, keyCode, 1},
            {u"释放", u"Release", firstCommand + 1, keyCode, 1},
            {u"点击", u"Click", firstCommand + 2, keyCode, 2}};
}

const std::array<SubMenu, 4>& subMenus()
{
    static const std::array<SubMenu, 4> menus = {{
        {u"鼠标左键", u"Left Click", buttonItems(1135, kMouseLeft)},
        {u"鼠标右键", u"Right Click", buttonItems(1138, kMouseRight)},
        {u"鼠标中键", u"Middle Click", buttonItems(1141, kMouseMiddle)},
        {u"滚轮", u"Wheel", {{u"前翻", u"Up", 1144, kWheelUp, 1}, {u"后翻", u"Down", 1145, kWheelDown, 1}}},
    }};
    return menus;
}

// The delete item keeps its caption as the program has always shown it.
constexpr Item kDeleteItem{u"删除", u"Deleta", MacroContextMenu::kDelete, 0, 0};

// The window's colours: light text on the dark panel, the accent on the item under the pointer.
void colour(QMenu& menu)
{
    QPalette colours = menu.palette();
    colours.setColor(QPalette::Window, QColor(32, 32, 36));
    colours.setColor(QPalette::Base, QColor(32, 32, 36));
    colours.setColor(QPalette::WindowText, QColor(200, 200, 200));
    colours.setColor(QPalette::Text, QColor(200, 200, 200));
    colours.setColor(QPalette::ButtonText, QColor(200, 200, 200));
    colours.setColor(QPalette::Highlight, toQColor(kSkinAccent));
    colours.setColor(QPalette::HighlightedText, toQColor(kSkinDark));
    menu.setPalette(colours);
}

QString captionOf(const char16_t* chinese, const char16_t* english, const std::string& language)
{
    return QString::fromUtf16(language == LanguageCode::Chinese ? chinese : english);
}

void addItem(QMenu& menu, const Item& item, const std::string& language)
{
    QAction* action = menu.addAction(captionOf(item.chinese, item.english, language));
    action->setData(item.command);
}

}  // namespace

std::vector<int> MacroContextMenu::insertedCodes(int command)
{
    for (const SubMenu& sub : subMenus())
        for (const Item& item : sub.items)
            if (item.command == command) return std::vector<int>(static_cast<std::size_t>(item.times), item.keyCode);
    return {};
}

QMenu* MacroContextMenu::build(QWidget* owner, const std::string& language)
{
    auto* menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("macroMenu"));
    colour(*menu);
    for (const SubMenu& sub : subMenus()) {
        QMenu* submenu = menu->addMenu(captionOf(sub.chinese, sub.english, language));
        colour(*submenu);
        for (const Item& item : sub.items) addItem(*submenu, item, language);
    }
    addItem(*menu, kDeleteItem, language);
    return menu;
}
