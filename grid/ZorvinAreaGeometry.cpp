#include "grid/ZorvinArea.h"

#include <algorithm>

namespace {

CGRect SpanOf(CGPoint a, CGPoint b) {
  const CGFloat minX = std::min(a.x, b.x);
  const CGFloat minY = std::min(a.y, b.y);
  return CGRectMake(minX, minY, std::max(a.x, b.x) - minX, std::max(a.y, b.y) - minY);
}

CGPoint FarCorner(CGRect rect) {
  return CGPointMake(rect.origin.x + rect.size.width, rect.origin.y + rect.size.height);
}

// The platform's conversion between the area window's port and the screen; this platform's
// windows draw at the screen's origin.
CGPoint PlatformLocalToGlobal(CGPoint point) {
  return point;
}

CGPoint PlatformGlobalToLocal(CGPoint point) {
  return point;
}

} // namespace

CGPoint ZorvinArea::DocPointToScaled(CGPoint point) const {
  return CGPointMake(point.x * fScale, point.y * fScale);
}

CGSize ZorvinArea::DocSizeToScaled(CGSize size) const {
  return CGSizeMake(size.width * fScale, size.height * fScale);
}

CGPoint ZorvinArea::ScaledPointToDoc(CGPoint point) const {
  return CGPointMake(point.x / fScale, point.y / fScale);
}

CGSize ZorvinArea::ScaledSizeToDoc(CGSize size) const {
  return CGSizeMake(size.width / fScale, size.height / fScale);
}

// A picture's natural size and the document scale alike.
CGPoint ZorvinArea::NaturalPointToScaled(CGPoint point) const {
  return DocPointToScaled(point);
}

CGSize ZorvinArea::NaturalSizeToScaled(CGSize size) const {
  return DocSizeToScaled(size);
}

CGPoint ZorvinArea::ScaledPointToNatural(CGPoint point) const {
  return ScaledPointToDoc(point);
}

CGSize ZorvinArea::ScaledSizeToNatural(CGSize size) const {
  return ScaledSizeToDoc(size);
}

CGPoint ZorvinArea::ViewPointToScaled(CGPoint point) const {
  return CGPointMake(point.x - fOrigin.x, point.y - fOrigin.y);
}

CGPoint ZorvinArea::ScaledPointToView(CGPoint point) const {
  return CGPointMake(point.x + fOrigin.x, point.y + fOrigin.y);
}

CGPoint ZorvinArea::ViewPointToDoc(CGPoint point) const {
  return ScaledPointToDoc(ViewPointToScaled(point));
}

CGPoint ZorvinArea::DocPointToView(CGPoint point) const {
  return ScaledPointToView(DocPointToScaled(point));
}

CGPoint ZorvinArea::ViewPointToNatural(CGPoint point) const {
  return ScaledPointToNatural(ViewPointToScaled(point));
}

CGPoint ZorvinArea::NaturalPointToView(CGPoint point) const {
  return ScaledPointToView(NaturalPointToScaled(point));
}

CGRect ZorvinArea::ViewRectToDoc(CGRect rect) const {
  return SpanOf(ViewPointToDoc(rect.origin), ViewPointToDoc(FarCorner(rect)));
}

CGRect ZorvinArea::DocRectToView(CGRect rect) const {
  return SpanOf(DocPointToView(rect.origin), DocPointToView(FarCorner(rect)));
}

CGPoint ZorvinArea::ViewPointToPort(CGPoint point) const {
  return CGPointMake(point.x + fContentViewFrame.origin.x + fAreaViewFrame.origin.x,
                     point.y + fContentViewFrame.origin.y + fAreaViewFrame.origin.y);
}

CGPoint ZorvinArea::PortPointToView(CGPoint point) const {
  return CGPointMake(point.x - (fContentViewFrame.origin.x + fAreaViewFrame.origin.x),
                     point.y - (fContentViewFrame.origin.y + fAreaViewFrame.origin.y));
}

CGRect ZorvinArea::ViewRectToPort(CGRect rect) const {
  return SpanOf(ViewPointToPort(rect.origin), ViewPointToPort(FarCorner(rect)));
}

CGRect ZorvinArea::PortRectToView(CGRect rect) const {
  return SpanOf(PortPointToView(rect.origin), PortPointToView(FarCorner(rect)));
}

CGPoint ZorvinArea::PortPointToGlobal(CGPoint point) const {
  return PlatformLocalToGlobal(point);
}

CGPoint ZorvinArea::GlobalPointToPort(CGPoint point) const {
  return PlatformGlobalToLocal(point);
}

CGPoint ZorvinArea::DocPointToGlobal(CGPoint point) const {
  return PortPointToGlobal(ViewPointToPort(DocPointToView(point)));
}
