// The pictures the pages' preview controls show, installed into the page
// framework when the module starts.
#pragma once

namespace kx {

/// Makes the framework create the pictures of this library for its preview
/// controls: the layout preview with its two lines, the printer and
/// output-bin pictures, and the colour picture.
void InstallPreviewFactory();

} // namespace kx
