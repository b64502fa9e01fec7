#pragma once

#include "engine/locale.h"
#include "support/scripted_dialogs.h"
#include "support/window_helpers.h"
#include "ui/form1.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace coilwise {

// A main window loaded offscreen against a settings folder of its own, with scripted dialogs.
class Form1Fixture : public testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }

    QString settingsFile() const { return config.path() + QStringLiteral("/coilwise/cwise.ini"); }

    void writeSettingsFile(const QByteArray& bytes) const {
        QDir(config.path()).mkpath(QStringLiteral("coilwise"));
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray settingsBytes() const {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void load() {
        form = std::make_unique<Form1>(dialogs, locale);
        form->Form_Load();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T = QLineEdit> T* child(const QString& name) const {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    QLineEdit* edit(const char* name) const { return child(QLatin1StringView(name)); }
    QString text(const char* name) const { return edit(name)->text(); }

    // Types into a field as a person would: click into it, then the keys replace the selection.
    void typeInto(const char* name, const QString& keys) {
        QLineEdit* field = edit(name);
        field->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QTest::keyClicks(field, keys);
    }

    // Opens a dialog through a menu action and runs the steps while it is shown; the dialog is gone
    // when this returns.
    void openDialog(const char* action, const std::function<void(QDialog&)>& steps) {
        dialogs.onModal = [&steps](QDialog& dialog) {
            dialog.show();
            // A transient dialog counts as active while its parent is, so wait for the dialog itself.
            ASSERT_TRUE(QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));
            steps(dialog);
        };
        child<QAction>(QLatin1StringView(action))->trigger();
        dialogs.onModal = nullptr;
    }

    QString focusName() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    QTemporaryDir config;
    ScriptedDialogs dialogs;
    FixedLocale locale = FixedLocale::point();
    std::unique_ptr<Form1> form;
};

} // namespace coilwise
