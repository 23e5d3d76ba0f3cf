// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtGlobal>

// Finds a window's widget by its objectName, as a test sees the window from
// outside. A missing or mistyped name stops the test with that name, rather
// than failing later on a null pointer.
template <class T> T* child(const QObject& parent, const QString& name) {
    T* found = parent.findChild<T*>(name);
    if (!found) {
        qFatal("no %s named \"%s\" in %s", T::staticMetaObject.className(), qPrintable(name),
               parent.metaObject()->className());
    }
    return found;
}

// The n-th of a row of widgets named name0, name1, ...
template <class T> T* child(const QObject& parent, const char* name, int n) {
    return child<T>(parent, QString::fromLatin1(name) + QString::number(n));
}
