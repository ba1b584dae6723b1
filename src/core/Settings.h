#pragma once
// The per-user settings store's raw text: string values under one key (QSettings
// "Veltrane Software" / "Veltrane Video Converter"). The program reads and writes
// remembered values through Stored:: (StoredValues.h), which sits on these two;
// tests use them to look at or plant the stored text itself.
#include <QString>

QString ReadSetting(const QString& name);
void WriteSetting(const QString& name, const QString& value);
