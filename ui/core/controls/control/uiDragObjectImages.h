#pragma once
// The image of the framework drag that passes over the library's controls: painting and scrolling hide it while they
// change the pixels under it, and show it again afterwards. Only the drag that still runs is asked: an object whose
// drag ended or dropped has been freed by then and is never touched.

namespace vcl {
class TDragObject;
} // namespace vcl

namespace ui {

// Remembers the running drag's object when a drag passes over a library control; forgets it when the drag leaves.
void RememberDragObject(vcl::TDragObject* object);
// The remembered object while its drag still runs; nullptr (and forgotten) once it ended.
vcl::TDragObject* RememberedDragObject();

// Hides the running drag's image for a scope.
class TuiDragImageHiding {
public:
    TuiDragImageHiding();
    ~TuiDragImageHiding();
    TuiDragImageHiding(const TuiDragImageHiding&) = delete;
    TuiDragImageHiding& operator=(const TuiDragImageHiding&) = delete;

private:
    vcl::TDragObject* FObject; // not owned
};

} // namespace ui
