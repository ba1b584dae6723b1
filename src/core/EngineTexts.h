#pragma once
// The media engine speaks English (it has no Qt). The fixed texts users meet most often
// (why a file cannot be read, an output kept because it existed) are shown in the
// user's language here; any other engine text is shown as the engine wrote it.
#include <QString>

QString EngineText(const QString& text);
