#include "tests/common/ui.h"

#include "platform/controls.h"

#include <QTest>

namespace ui {

platform::TextBox* box(QWidget* window, const QString& name) { return window->findChild<platform::TextBox*>(name); }

void click(QWidget* window, const QString& name)
{
    QWidget* target = window->findChild<QWidget*>(name);
    if (!target) {
        QTest::qFail(qPrintable("no control " + name), __FILE__, __LINE__);
        return;
    }
    QTest::mouseClick(target, Qt::LeftButton);
}

void typeOver(platform::TextBox* box, const QString& text)
{
    QWidget* editor = box->editor();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, lines[i]);
    }
}

void typeAtEnd(platform::TextBox* box, const QString& text)
{
    const bool multi = box->kind() == platform::TextBox::Kind::MultiLine;
    QTest::keyClick(box->editor(), Qt::Key_End, multi ? Qt::ControlModifier : Qt::NoModifier);
    QTest::keyClicks(box->editor(), text);
}

Messages::Messages()
{
    platform::msgbox::setTestHook([this](const platform::msgbox::Shown& m) { shown << m; });
}

Messages::~Messages() { platform::msgbox::setTestHook({}); }

QStringList Messages::texts() const
{
    QStringList all;
    for (const auto& m : shown)
        all << m.text;
    return all;
}

} // namespace ui
