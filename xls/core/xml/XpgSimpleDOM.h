#pragma once
// A small tree of a whole XML document, for the parts the library keeps without element classes: each element is a
// node with its qualified name, its first run of text, its attributes and its children in document order. The tree
// is built by the reader's begin-tag and end-tag hooks, below a root node named "__ROOT__" whose first child is the
// document element. Names and values are UTF-16 text decoded from the part's UTF-8.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/xml/XpgReadXML.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace rtl {
class TStream;
} // namespace rtl

namespace xls {

// One attribute of a node.
class TXpgDOMAttribute {
public:
    TXpgDOMAttribute(rtl::UnicodeStringView name, rtl::UnicodeStringView value) : FName(name), FValue(value) {}

    const rtl::UnicodeString& Name() const { return FName; }
    const rtl::UnicodeString& Value() const { return FValue; }

private:
    rtl::UnicodeString FName;
    rtl::UnicodeString FValue;
};

// The attributes of a node, in document order.
class TXpgDOMAttributes : public rtl::TObject {
public:
    void Add(rtl::UnicodeStringView name, rtl::UnicodeStringView value) { FItems.emplace_back(name, value); }
    int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
    // An index outside 0..GetCount()-1 raises rtl::EListError.
    const TXpgDOMAttribute& GetItem(int32_t index) const;

    // The first attribute named exactly name, or nullptr.
    const TXpgDOMAttribute* Find(rtl::UnicodeStringView name) const;
    // The value of the attribute named name, or an empty text.
    rtl::UnicodeString GetStrValue(rtl::UnicodeStringView name) const;
    // defaultValue when there is no attribute named name; else its value as an integer, 0 when it is none.
    int32_t GetIntValue(rtl::UnicodeStringView name, int32_t defaultValue) const;

private:
    std::vector<TXpgDOMAttribute> FItems;
};

// An element of the tree.
class TXpgDOMNode : public rtl::TObject {
public:
    explicit TXpgDOMNode(TXpgDOMNode* parent) : FParent(parent) {}
    // Frees the subtree without recursing, however deep it is.
    ~TXpgDOMNode() override;

    // The node this one is a child of; nullptr for a root and for an extracted node.
    TXpgDOMNode* Parent() const { return FParent; }
    const rtl::UnicodeString& Name() const { return FName; }
    void SetName(rtl::UnicodeStringView name) { FName = name; }
    // The text that follows the element's begin tag.
    const rtl::UnicodeString& Text() const { return FText; }
    void SetText(rtl::UnicodeStringView text) { FText = text; }
    TXpgDOMAttributes& Attributes() { return FAttributes; }
    const TXpgDOMAttributes& Attributes() const { return FAttributes; }
    void AddAttribute(rtl::UnicodeStringView name, rtl::UnicodeStringView value) { FAttributes.Add(name, value); }

    // Appends a child named name, made by CreateNode, and returns it.
    TXpgDOMNode& AddChild(rtl::UnicodeStringView name);
    int32_t GetChildCount() const { return static_cast<int32_t>(FChildren.size()); }
    // An index outside 0..GetChildCount()-1 raises rtl::EListError, here and in ExtractChild.
    TXpgDOMNode& GetChild(int32_t index) const;
    // Removes child index and hands it to the caller, parentless.
    std::unique_ptr<TXpgDOMNode> ExtractChild(int32_t index);

    // Follows path, qualified names separated by "/", down from this node, taking at each level the first child of
    // exactly that name. When none has it: nullptr, or with mustExist rtl::Exception "XML error: Can not find
    // expected node "%s"" naming the part of the path still to go.
    TXpgDOMNode* FindPath(rtl::UnicodeStringView path, bool mustExist) const;

protected:
    // Makes the nodes that AddChild appends; a descendant makes its own kind.
    virtual std::unique_ptr<TXpgDOMNode> CreateNode(TXpgDOMNode* parent);

private:
    size_t CheckedIndex(int32_t index) const;

    TXpgDOMNode* FParent; // not owned
    rtl::UnicodeString FName;
    rtl::UnicodeString FText;
    TXpgDOMAttributes FAttributes;
    std::vector<std::unique_ptr<TXpgDOMNode>> FChildren;
};

// Reads a whole XML document into a tree of TXpgDOMNode.
class TXpgSimpleDOM : public TXpgReadXML {
public:
    TXpgSimpleDOM();
    ~TXpgSimpleDOM() override;

    // Resets the reader and frees every node below Root (Root's own name, text and attributes stay).
    void Clear() override;
    // Clear, then read the stream below Root. Reader errors pass; the nodes built before one stay until the next
    // Clear.
    int64_t Parse(rtl::TStream& stream) override;
    int64_t ParseLoose(rtl::TStream& stream) override;
    // Parses text, encoded as UTF-8.
    void LoadFromText(rtl::UnicodeStringView text);

    void BeginTag() override;
    void EndTag() override;

    // The node named "__ROOT__" above the document element, made by CreateRootNode on first use.
    TXpgDOMNode& Root();

protected:
    // Makes the parentless root node; a descendant makes its own kind.
    virtual std::unique_ptr<TXpgDOMNode> CreateRootNode();

private:
    int64_t Run(rtl::TStream& stream, bool loose);

    std::unique_ptr<TXpgDOMNode> FRoot;
    // The open elements' nodes, Root first; not owned.
    std::vector<TXpgDOMNode*> FStack;
};

} // namespace xls
