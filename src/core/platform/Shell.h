#pragma once

#include <QString>
#include <QStringList>

namespace core {

// How the opened program's window shows: restored to its normal size, or in its current size and position.
constexpr int ShowNormal = 1;
constexpr int ShowAsItIs = 5;

// What the program asks the desktop shell to open.
struct ShellRequest {
    QString verb;
    QString file;
    QString parameters;
    QString folder;
    int showCode = ShowAsItIs;
};

// Opens documents with the program that handles them; tests replace it and read back each request.
class Shell {
public:
    virtual ~Shell() = default;
    // True when the program the document goes to could be started.
    virtual bool open(const ShellRequest& request) = 0;
};

// Which program a document goes to here.
struct ShellRoute {
    QString program;
    QStringList arguments;
};

// Contact databases go to the stand-in, the launcher workbooks of the program folder to tallivo-launch when it is
// installed, anything else to the desktop's opener.
ShellRoute routeFor(const ShellRequest& request, const QString& programFolder);

// The shell of this platform: starts the routed program detached.
class DesktopShell : public Shell {
public:
    bool open(const ShellRequest& request) override;
};

} // namespace core
