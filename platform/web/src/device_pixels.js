// The device pixels each canvas covers: as the engine reports them or as
// the page counts them, and the windows painted anew when they change.
mergeInto(LibraryManager.library, {
  $DevicePixels__deps: ['$Page', '$Layout', '$Windows'],
  $DevicePixels: {
    observer: null,

    // The canvas's device pixels: as the engine reported them, or where it
    // reports none, its edges moved onto whole device pixels and counted.
    size: function(canvas) {
      if (canvas.vidadDevice) {
        return canvas.vidadDevice;
      }
      if (!Layout.reportsDevicePixels()) {
        DevicePixels.align(canvas);
      }
      const ratio = Layout.ratio();
      const b = Layout.box(canvas);
      return [Math.round(b.right * ratio) - Math.round(b.left * ratio),
        Math.round(b.bottom * ratio) - Math.round(b.top * ratio)];
    },

    // Places the canvas of the template rectangle [x, y, width, height] so
    // that its edges fall on the device pixels nearest to them.
    align: function(canvas) {
      const [x, y, width, height] = canvas.vidadRect;
      const scale = Layout.zoomOf(canvas.parentElement);
      const client = Layout.box(canvas.parentElement);
      const ratio = Layout.ratio();
      const edge = (start, at) => Math.round((start + at * scale) * ratio);
      const left = edge(client.left, x);
      const top = edge(client.top, y);
      const css = (device, start) => (device / ratio - start) / scale + 'px';
      Object.assign(canvas.style, {
        left: css(left, client.left), top: css(top, client.top),
        width: (edge(client.left, x + width) - left) / ratio / scale + 'px',
        height: (edge(client.top, y + height) - top) / ratio / scale + 'px',
      });
    },

    // The side of the square of device pixels that stands for one of the
    // canvas's template pixels: the whole part of their ratio, at least 1.
    pixelBlock: function(canvas) {
      return Math.max(1, Math.floor(Layout.ratio() * Layout.zoomOf(canvas) + 1e-6));
    },

    // The engine tells each canvas's device pixels after layout and before
    // the frame is drawn; a canvas whose bitmap no longer matches them has
    // its window painted anew at once.
    observe: function(canvas) {
      if (!Layout.reportsDevicePixels()) {
        return;
      }
      DevicePixels.observer = DevicePixels.observer || new ResizeObserver((entries) => {
        for (const entry of entries) {
          const size = entry.devicePixelContentBoxSize[0];
          entry.target.vidadDevice = [size.inlineSize, size.blockSize];
        }
        DevicePixels.repaintResized(entries.map((entry) => entry.target));
      });
      DevicePixels.observer.observe(canvas, {box: 'device-pixel-content-box'});
    },

    unobserve: function(element) {
      if (DevicePixels.observer && element instanceof HTMLCanvasElement) {
        DevicePixels.observer.unobserve(element);
      }
    },

    // Each window of the canvases once whose bitmaps no longer match the
    // device pixels they cover is painted anew.
    repaintResized: function(canvases) {
      const windows = new Set();
      for (const canvas of canvases) {
        const [width, height] = DevicePixels.size(canvas);
        if (width !== canvas.width || height !== canvas.height) {
          windows.add(Windows.windowOf(canvas));
        }
      }
      windows.forEach((window) => window && Page.post('web::kRepaintEvent', window.vidadHandle, 0));
    },
  },
});
