#pragma once

#include <QImage>
#include <QSize>

// The pictures of the welcome, getting-started and about dialogs, drawn for
// this program: an insulated pipe in a winter or a summer landscape.
enum class Season { winter, summer };

// Winter from December to March, summer from April to November.
Season SeasonOfMonth(int month);

QImage LandscapePicture(Season season, QSize size);
// An insulated pipe in cross-section, the program's emblem.
QImage PipeEmblem(QSize size);
