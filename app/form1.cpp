#include "form1.h"

#include "app/form1_definition.h"
#include "app/window_icon.h"
#include "commands/handlers.h"
#include "runtime/controls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

QColor toQColor(runtime::StoredColour colour) {
    const runtime::Rgb rgb = runtime::toRgb(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QFont storedFont(double points) {
    QFont font;
    // The stored font first; elsewhere a Song-style face with the same
    // half-width Latin letters, then whatever Simplified Chinese face there is.
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

// Every colour the controls take by default, from the same system colours
// as the stored ones, so that a dark desktop theme cannot put light text on
// the stored light backgrounds.
QPalette storedPalette(runtime::StoredColour windowBack) {
    using namespace runtime;
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, toQColor(windowBack));
        palette.setColor(group, QPalette::WindowText, toQColor(kButtonText));
        palette.setColor(group, QPalette::Base, toQColor(kWindowBackground));
        palette.setColor(group, QPalette::AlternateBase, toQColor(kButtonFace));
        palette.setColor(group, QPalette::Text, toQColor(kWindowText));
        palette.setColor(group, QPalette::Button, toQColor(kButtonFace));
        palette.setColor(group, QPalette::ButtonText, toQColor(kButtonText));
        palette.setColor(group, QPalette::Highlight, toQColor(kHighlight));
        palette.setColor(group, QPalette::HighlightedText, toQColor(kHighlightText));
        palette.setColor(group, QPalette::ToolTipBase, toQColor(kWindowBackground));
        palette.setColor(group, QPalette::ToolTipText, toQColor(kWindowText));
        palette.setColor(group, QPalette::PlaceholderText, toQColor(kGrayText));
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, toQColor(kGrayText));
    return palette;
}

Qt::Alignment toQtAlignment(form1::TextAlignment alignment) {
    switch (alignment) {
    case form1::TextAlignment::Centre:
        return Qt::AlignHCenter;
    case form1::TextAlignment::Right:
        return Qt::AlignRight;
    case form1::TextAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QWidget* createWidget(const form1::ControlDefinition& definition, QWidget* parent) {
    switch (definition.kind) {
    case form1::ControlKind::TextBox: {
        auto* box = new QLineEdit(runtime::fromUtf8(definition.text), parent);
        box->setAlignment(toQtAlignment(definition.alignment) | Qt::AlignVCenter);
        box->setMaxLength(std::numeric_limits<int>::max()); // a box has no length limit
        return box;
    }
    case form1::ControlKind::Label: {
        auto* label = new QLabel(runtime::fromUtf8(definition.text), parent);
        label->setAlignment(toQtAlignment(definition.alignment) | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case form1::ControlKind::CommandButton:
        return new QPushButton(runtime::fromUtf8(definition.text), parent);
    }
    throw std::logic_error("unknown control kind");
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    const auto& window = form1::kWindow;
    setObjectName(runtime::fromUtf8(window.name));
    setWindowTitle(runtime::fromUtf8(window.caption));
    setWindowIcon(app::programIcon());
    if (window.maxButton)
        setWindowFlag(Qt::WindowMaximizeButtonHint);

    setPalette(storedPalette(window.backColour));
    setAutoFillBackground(true);
    setFont(storedFont(window.fontPoints));

    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dotsPerInch = screen ? screen->logicalDotsPerInchY() : 96.0;
    setGeometry(form1::twipsToPixels(window.left, dotsPerInch),
                form1::twipsToPixels(window.top, dotsPerInch),
                form1::twipsToPixels(window.clientWidth, dotsPerInch),
                form1::twipsToPixels(window.clientHeight, dotsPerInch));

    createControls(dotsPerInch);
    makeResultCopyable(label("lab1"));
    connectHandlers();
}

void Form1::makeResultCopyable(QLabel& result) {
    // Selectable with the mouse for copying a part, yet never in the tab
    // order: the keyboard cycle stays as stored.
    result.setTextInteractionFlags(Qt::TextSelectableByMouse);
    result.setFocusPolicy(Qt::NoFocus);
    result.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&result, &QLabel::customContextMenuRequested, this, [&result](const QPoint& at) {
        QMenu menu(&result);
        QAction* copy = menu.addAction(QStringLiteral("复制"));
        copy->setEnabled(!result.text().isEmpty());
        connect(copy, &QAction::triggered, &result,
                [&result] { QGuiApplication::clipboard()->setText(result.text()); });
        menu.exec(result.mapToGlobal(at));
    });
}

void Form1::createControls(double dotsPerInch) {
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (const auto& definition : form1::kControls) {
        QWidget* widget = createWidget(definition, this);
        widget->setObjectName(runtime::fromUtf8(definition.name));
        widget->setGeometry(form1::twipsToPixels(definition.left, dotsPerInch),
                            form1::twipsToPixels(definition.top, dotsPerInch),
                            form1::twipsToPixels(definition.width, dotsPerInch),
                            form1::twipsToPixels(definition.height, dotsPerInch));
        if (definition.fontPoints > 0)
            widget->setFont(storedFont(definition.fontPoints));

        // A control without colours of its own shares the window's palette.
        if (definition.backColour || definition.foreColour) {
            QPalette palette = widget->palette();
            if (definition.backColour) {
                const QColor colour = toQColor(*definition.backColour);
                palette.setColor(QPalette::Window, colour);
                palette.setColor(QPalette::Button, colour);
                widget->setAutoFillBackground(true);
            }
            if (definition.foreColour)
                palette.setColor(QPalette::WindowText, toQColor(*definition.foreColour));
            widget->setPalette(palette);
        }

        if (definition.autoSize)
            widget->resize(widget->sizeHint());
        if (widget->focusPolicy() != Qt::NoFocus)
            focusOrder.emplace_back(definition.tabIndex, widget);
        controls_.push_back({definition.name, widget});
    }

    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    if (!focusOrder.empty())
        focusOrder.front().second->setFocus(Qt::OtherFocusReason);

    for (const auto& caption : form1::kCaptions)
        label(caption.label).setBuddy(&textBox(caption.box));
}

void Form1::connectHandlers() {
    connect(&button("cmd1"), &QPushButton::clicked, this, [this] { commands::cmd1_Click(*this); });
    connect(&button("cmd2"), &QPushButton::clicked, this, [this] { commands::cmd2_Click(*this); });
    connect(&button("cmd3"), &QPushButton::clicked, this, [this] { commands::cmd3_Click(*this); });
    for (const auto& control : controls_) {
        if (qobject_cast<QLineEdit*>(control.widget) || qobject_cast<QPushButton*>(control.widget))
            control.widget->installEventFilter(this);
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const bool isEnter = keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter;

    if (auto* pushButton = qobject_cast<QPushButton*>(watched)) {
        // Enter clicks a focused button, as Space does, without making any
        // button the window's default.
        if (isEnter && (keyEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            pushButton->click();
            return true;
        }
        return false;
    }

    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [watched](const Control& c) { return c.widget == watched; });
    if (it == controls_.end())
        return false;
    char16_t keyAscii = 0;
    if (isEnter)
        keyAscii = 13;
    else if (!keyEvent->text().isEmpty())
        keyAscii = keyEvent->text().at(0).unicode();
    if (keyAscii != 0)
        commands::keyPress(*this, it->name, keyAscii);
    return false; // the box still receives the key
}

QWidget& Form1::control(std::string_view name) const {
    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [name](const Control& c) { return c.name == name; });
    if (it == controls_.end())
        throw std::out_of_range("no such control");
    return *it->widget;
}

QLineEdit& Form1::textBox(std::string_view name) const {
    return *qobject_cast<QLineEdit*>(&control(name));
}

QLabel& Form1::label(std::string_view name) const {
    return *qobject_cast<QLabel*>(&control(name));
}

QPushButton& Form1::button(std::string_view name) const {
    return *qobject_cast<QPushButton*>(&control(name));
}

std::string_view Form1::captionOf(std::string_view boxName) const {
    for (const auto& caption : form1::kCaptions) {
        if (caption.box == boxName) {
            for (const auto& definition : form1::kControls) {
                if (definition.name == caption.label)
                    return definition.text;
            }
        }
    }
    return boxName;
}
