#pragma once
// The per-user settings store: string values under one key
// (QSettings "Veltrane Software" / "Veltrane Video Converter").
#include <QString>

QString ReadSetting(const QString& name);
void WriteSetting(const QString& name, const QString& value);
