#include "app/steps/ZKOperationEditorFactory.h"

#include <QHash>
#include <functional>

#include "app/steps/ZKAddPrefixEditor.h"
#include "app/steps/ZKAddSuffixEditor.h"
#include "app/steps/ZKAdvancedEditor.h"
#include "app/steps/ZKChangeCaseEditor.h"
#include "app/steps/ZKComposeEditor.h"
#include "app/steps/ZKFindAndReplaceEditor.h"
#include "app/steps/ZKInsertEditor.h"
#include "app/steps/ZKRemoveEditor.h"
#include "app/steps/ZKSequenceEditor.h"
#include "app/steps/ZKSetExtensionEditor.h"

namespace ZKOperationEditorFactory {

namespace {

using Creator = std::function<ZKOperationEditor *(ZKRenamer &, QWidget *)>;

template <typename Editor>
Creator creator() {
    return [](ZKRenamer &renamer, QWidget *parent) { return new Editor(renamer, parent); };
}

const QHash<int, Creator> &creators() {
    static const QHash<int, Creator> table = {
        {FindAndReplaceOperation, creator<ZKFindAndReplaceEditor>()},
        {RemoveOperation, creator<ZKRemoveEditor>()},
        {InsertOperation, creator<ZKInsertEditor>()},
        {AddPrefixOperation, creator<ZKAddPrefixEditor>()},
        {AddSuffixOperation, creator<ZKAddSuffixEditor>()},
        {ComposeOperation, creator<ZKComposeEditor>()},
        {ChangeCaseOperation, creator<ZKChangeCaseEditor>()},
        {SetExtensionOperation, creator<ZKSetExtensionEditor>()},
        {SequenceOperation, creator<ZKSequenceEditor>()},
        {AdvancedOperation, creator<ZKAdvancedEditor>()},
    };
    return table;
}

}  // namespace

ZKOperationEditor *create(int operation, ZKRenamer &renamer, QWidget *parent) {
    const auto found = creators().constFind(operation);
    return found == creators().constEnd() ? nullptr : (*found)(renamer, parent);
}

bool hasEditor(int operation) { return creators().contains(operation); }

}  // namespace ZKOperationEditorFactory
