#pragma once
// Who asked for a command. Several menu items, tree items and buttons share
// one handler and tell their target by the sender's Tag; some handlers act
// only for certain kinds of sender (a display only for menu and tree items).

class QObject;

namespace brevane {

enum class SenderKind {
    None,         // called by the program without a sender
    MenuItem,     // a menu item, including the hidden mnuInvisible
    TreeItem,     // an item of the page tree
    CornerButton, // a button of the icon or label toolbar
    Control,      // a control of the displayed page
};

struct TSender
{
    SenderKind kind = SenderKind::None;
    int Tag = 0;
    QObject *object = nullptr;

    bool IsMenuItem() const { return kind == SenderKind::MenuItem; }
    bool IsTreeItem() const { return kind == SenderKind::TreeItem; }
    bool IsCornerButton() const { return kind == SenderKind::CornerButton; }

    static TSender Menu(int tag, QObject *item = nullptr) { return {SenderKind::MenuItem, tag, item}; }
    static TSender Tree(int tag) { return {SenderKind::TreeItem, tag, nullptr}; }
    static TSender Button(int tag = 0, QObject *button = nullptr) { return {SenderKind::CornerButton, tag, button}; }
};

} // namespace brevane
