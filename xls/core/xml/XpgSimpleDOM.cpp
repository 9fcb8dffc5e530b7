#include "xls/core/xml/XpgSimpleDOM.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/xml/XpgConvert.h"
#include "xls/core/xml/XpgMessages.h"

namespace xls {

namespace {

constexpr char16_t RootName[] = u"__ROOT__";

[[noreturn]] void IndexError(int32_t index) {
    throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
}

} // namespace

const TXpgDOMAttribute& TXpgDOMAttributes::GetItem(int32_t index) const {
    if (index < 0 || index >= GetCount()) {
        IndexError(index);
    }
    return FItems[static_cast<size_t>(index)];
}

const TXpgDOMAttribute* TXpgDOMAttributes::Find(rtl::UnicodeStringView name) const {
    for (const TXpgDOMAttribute& attribute : FItems) {
        if (attribute.Name() == name) {
            return &attribute;
        }
    }
    return nullptr;
}

rtl::UnicodeString TXpgDOMAttributes::GetStrValue(rtl::UnicodeStringView name) const {
    const TXpgDOMAttribute* attribute = Find(name);
    return attribute == nullptr ? rtl::UnicodeString() : attribute->Value();
}

int32_t TXpgDOMAttributes::GetIntValue(rtl::UnicodeStringView name, int32_t defaultValue) const {
    const TXpgDOMAttribute* attribute = Find(name);
    return attribute == nullptr ? defaultValue : XmlStrToIntDef(attribute->Value(), 0);
}

// Children are moved to a work list and freed one by one, so that a deep tree does not exhaust the call stack.
TXpgDOMNode::~TXpgDOMNode() {
    std::vector<std::unique_ptr<TXpgDOMNode>> pending = std::move(FChildren);
    while (!pending.empty()) {
        std::unique_ptr<TXpgDOMNode> node = std::move(pending.back());
        pending.pop_back();
        for (std::unique_ptr<TXpgDOMNode>& child : node->FChildren) {
            pending.push_back(std::move(child));
        }
        node->FChildren.clear();
    }
}

TXpgDOMNode& TXpgDOMNode::AddChild(rtl::UnicodeStringView name) {
    std::unique_ptr<TXpgDOMNode>& child = FChildren.emplace_back(CreateNode(this));
    child->SetName(name);
    return *child;
}

size_t TXpgDOMNode::CheckedIndex(int32_t index) const {
    if (index < 0 || index >= GetChildCount()) {
        IndexError(index);
    }
    return static_cast<size_t>(index);
}

TXpgDOMNode& TXpgDOMNode::GetChild(int32_t index) const {
    return *FChildren[CheckedIndex(index)];
}

std::unique_ptr<TXpgDOMNode> TXpgDOMNode::ExtractChild(int32_t index) {
    const size_t position = CheckedIndex(index);
    std::unique_ptr<TXpgDOMNode> child = std::move(FChildren[position]);
    FChildren.erase(FChildren.begin() + static_cast<ptrdiff_t>(position));
    child->FParent = nullptr;
    return child;
}

TXpgDOMNode* TXpgDOMNode::FindPath(rtl::UnicodeStringView path, bool mustExist) const {
    const TXpgDOMNode* node = this;
    for (;;) {
        const size_t slash = path.find(u'/');
        const rtl::UnicodeStringView name = path.substr(0, slash);
        const TXpgDOMNode* found = nullptr;
        for (const std::unique_ptr<TXpgDOMNode>& child : node->FChildren) {
            if (child->Name() == name) {
                found = child.get();
                break;
            }
        }
        if (found == nullptr) {
            if (mustExist) {
                throw rtl::Exception(rtl::Format(XpgMessages::NodeNotFound, {path}));
            }
            return nullptr;
        }
        if (slash == rtl::UnicodeStringView::npos) {
            return const_cast<TXpgDOMNode*>(found);
        }
        node = found;
        path.remove_prefix(slash + 1);
    }
}

std::unique_ptr<TXpgDOMNode> TXpgDOMNode::CreateNode(TXpgDOMNode* parent) {
    return std::make_unique<TXpgDOMNode>(parent);
}

TXpgSimpleDOM::TXpgSimpleDOM() = default;

TXpgSimpleDOM::~TXpgSimpleDOM() = default;

TXpgDOMNode& TXpgSimpleDOM::Root() {
    if (!FRoot) {
        FRoot = CreateRootNode();
        FRoot->SetName(RootName);
    }
    return *FRoot;
}

std::unique_ptr<TXpgDOMNode> TXpgSimpleDOM::CreateRootNode() {
    return std::make_unique<TXpgDOMNode>(nullptr);
}

void TXpgSimpleDOM::Clear() {
    TXpgReadXML::Clear();
    FStack.clear();
    TXpgDOMNode& root = Root();
    while (root.GetChildCount() > 0) {
        root.ExtractChild(root.GetChildCount() - 1);
    }
}

int64_t TXpgSimpleDOM::Parse(rtl::TStream& stream) {
    return Run(stream, false);
}

int64_t TXpgSimpleDOM::ParseLoose(rtl::TStream& stream) {
    return Run(stream, true);
}

int64_t TXpgSimpleDOM::Run(rtl::TStream& stream, bool loose) {
    Clear();
    FStack.push_back(&Root());
    struct TStackReset {
        std::vector<TXpgDOMNode*>& Stack;
        ~TStackReset() { Stack.clear(); }
    } stackReset{FStack};
    return loose ? TXpgReadXML::ParseLoose(stream) : TXpgReadXML::Parse(stream);
}

void TXpgSimpleDOM::LoadFromText(rtl::UnicodeStringView text) {
    rtl::TStringStream stream(rtl::UnicodeToUtf8(text));
    Parse(stream);
}

void TXpgSimpleDOM::BeginTag() {
    if (FStack.size() > static_cast<size_t>(XpgMaxElementDepth)) {
        throw rtl::Exception(rtl::Format(XpgMessages::NestedTooDeep, {XpgMaxElementDepth}));
    }
    TXpgDOMNode& node = FStack.back()->AddChild(rtl::Utf8ToUnicode(QualifiedName()));
    if (HasText()) {
        node.SetText(KeepWhitespace() ? GetText() : rtl::Trim(GetText()));
    }
    const TXpgXMLAttributeList& attributes = Attributes();
    for (int32_t i = 0; i < attributes.GetCount(); ++i) {
        const TXpgXmlAttribute& attribute = attributes.GetItem(i);
        node.AddAttribute(rtl::Utf8ToUnicode(attribute.RawName()), XmlNormalizeText(attribute.Value()));
    }
    FStack.push_back(&node);
}

// An end tag that closes no element of the part (more end tags than begin tags) leaves Root in place.
void TXpgSimpleDOM::EndTag() {
    if (FStack.size() > 1) {
        FStack.pop_back();
    }
}

} // namespace xls
