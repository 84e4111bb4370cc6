#pragma once

#include <QString>

namespace gui {

// Names a control as handlers and tests know it: a name, or a name with its index, "chkTitle(0)".
template <typename Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}
template <typename Widget> Widget* named(Widget* widget, const char* name) {
    return named(widget, QString::fromLatin1(name));
}
template <typename Widget> Widget* named(Widget* widget, const char* name, int index) {
    return named(widget, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
}

} // namespace gui
