#pragma once
// What the documents of the drawing and chart parts hold beside their error sink: the workbook's picture store, through
// which a picture (a:blip) finds the image its relationship names. A drawing's document has the store; a chart's has
// none, and its pictures keep their relationship ids only.

namespace xls {

class TXc12GraphicManager;
class TXc12GraphicImage;

// The document data of the drawing family's units (their TUnit::TDocumentData).
class TXpgDrawingDocumentData {
public:
    // The picture store, not owned; nullptr for a document without one.
    TXc12GraphicManager* GetPictureStore() const { return FPictureStore; }
    void SetPictureStore(TXc12GraphicManager* store) { FPictureStore = store; }

private:
    TXc12GraphicManager* FPictureStore = nullptr; // not owned
};

} // namespace xls
