#pragma once

#include "core/config/switchconfig.h"

#include <QString>

#include <memory>

struct EditorState;

// What a configuration file holds of the editor state: the record and the
// model it is for. The serial number is not written, so it is not part of it.
struct FileContent
{
    SwitchConfig config;
};

// The document being edited: the file Save writes and what that file is
// known to hold. Each state the undo history keeps carries its own, so
// going back to an earlier document brings back its name and its marker.
struct DocumentIdentity
{
    quint64 id = 0; // tells documents apart, two untitled ones too
    QString fileName; // the file Save writes; empty while untitled
    // What the file held when it was last opened or written here; for an
    // untitled document, what it started from. Null when nothing is known:
    // a chosen file that could not be written.
    std::shared_ptr<const FileContent> saved;
};

// A save of the document `documentId` to the file `fileName`; `content` is
// what the file now holds, null when the write failed.
struct SaveOutcome
{
    quint64 documentId = 0;
    QString fileName;
    std::shared_ptr<const FileContent> content;
};

FileContent fileContent(const EditorState &state);
// Whether the state is what its file holds (untitled: what it started from).
bool isSaved(const EditorState &state);

// Makes `state` a document of its own, as New (no name) and Open do, which
// its file holds as it is.
void startDocument(EditorState &state, const QString &fileName);
// Brings a state up to date after a save: a state of the saved document
// takes the name written, and every state naming the written file compares
// with what that file now holds.
void noteSave(EditorState &state, const SaveOutcome &outcome);

bool sameIdentity(const DocumentIdentity &a, const DocumentIdentity &b);
