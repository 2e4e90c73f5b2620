// Injected into every page before its own scripts: sets benchFirstFrame to
// the time, in ms from navigation, of the first animation frame in which a
// shown canvas holds the curve frame colour #001400. A frame's callbacks run just before it is painted, so what a
// canvas holds then is on that frame; the time is taken as the callback
// starts, not from its argument, which is when the frame was due and may
// come before a long task that drew the canvas. The canvases are read through a copy,
// so that the page's own drawing contexts are never touched.
(() => {
  const copy = new OffscreenCanvas(1, 1).getContext("2d", { willReadFrequently: true });
  const shown = { opacityProperty: true, visibilityProperty: true };

  function holdsFrameColour(canvas) {
    const { width, height } = canvas;
    if (!width || !height || !canvas.checkVisibility(shown)) return false;
    copy.canvas.width = width;
    copy.canvas.height = height;
    copy.drawImage(canvas, 0, 0);
    const pixels = copy.getImageData(0, 0, width, height).data;
    for (let i = 0; i < pixels.length; i += 4) {
      if (pixels[i] === 0x00 && pixels[i + 1] === 0x14 && pixels[i + 2] === 0x00 && pixels[i + 3] === 0xff)
        return true;
    }
    return false;
  }

  function onFrame() {
    const now = performance.now();
    if ([...document.getElementsByTagName("canvas")].some(holdsFrameColour)) {
      globalThis.benchFirstFrame = now;
    } else {
      requestAnimationFrame(onFrame);
    }
  }
  requestAnimationFrame(onFrame);
})();
