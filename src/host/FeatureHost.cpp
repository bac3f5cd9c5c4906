#include "host/FeatureHost.h"

#include "host/HostDocument.h"

EditorAdapter *FeatureHost::activeEditor() const
{
    HostDocument *document = activeDocument();
    return document ? document->editor() : nullptr;
}
