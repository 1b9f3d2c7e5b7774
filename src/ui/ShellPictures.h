#pragma once

#include <QIcon>
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

// A toolbar picture drawn for the program, for a desktop whose icon theme
// lacks the named icon: "document-new", "document-open", "document-save",
// "document-print", "document-print-preview", "edit-copy", "input",
// "project", "database", "help-contents". Empty for another name.
QIcon DrawnToolIcon(const QString& name);
