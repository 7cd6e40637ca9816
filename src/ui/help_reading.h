// The help window as a screen reader takes it: a window holding a document, whose text reads
// line by line as the caret moves, with a blank where a button's picture stands instead of the
// object-replacement character Qt puts there (a reader would take it for an object to enter).
#pragma once

namespace zupel {

// Makes every help window and its browser known to the screen reader so; call before the first
// one is made (more calls do nothing).
void exposeHelpToScreenReaders();

}  // namespace zupel
