// Icons of the post-processing dock by name. A picture "images/<name>.png" beside the program
// wins; otherwise a small icon is drawn so every button still shows what it does.
#pragma once

#include <QIcon>
#include <QString>

QIcon DockIcon(const QString& name);
