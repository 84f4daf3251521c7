#include "core/config/documentidentity.h"

#include "core/config/editorstate.h"

namespace {

bool operator==(const FileContent &a, const FileContent &b)
{
    return a.config == b.config;
}

bool sameContent(const std::shared_ptr<const FileContent> &a,
                 const std::shared_ptr<const FileContent> &b)
{
    return a == b || (a && b && *a == *b);
}

quint64 nextDocumentId()
{
    static quint64 last = 0;
    return ++last;
}

} // namespace

FileContent fileContent(const EditorState &state)
{
    return {state.config};
}

bool isSaved(const EditorState &state)
{
    const FileContent *saved = state.document.saved.get();
    return saved && saved->config == state.config;
}

void startDocument(EditorState &state, const QString &fileName)
{
    state.document.id = nextDocumentId();
    state.document.fileName = fileName;
    state.document.saved = std::make_shared<const FileContent>(fileContent(state));
}

void noteSave(EditorState &state, const SaveOutcome &outcome)
{
    DocumentIdentity &document = state.document;
    if (document.id == outcome.documentId && document.fileName != outcome.fileName) {
        document.fileName = outcome.fileName;
        document.saved = nullptr; // what the newly chosen file holds is not known
    }
    if (outcome.content && !document.fileName.isEmpty() && document.fileName == outcome.fileName)
        document.saved = outcome.content;
}

bool sameIdentity(const DocumentIdentity &a, const DocumentIdentity &b)
{
    return a.id == b.id && a.fileName == b.fileName && sameContent(a.saved, b.saved);
}
