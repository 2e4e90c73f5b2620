// What the program draws: the pixels of its painted controls' canvases, and
// the dialog's own painting, text and icons laid under its controls.
mergeInto(LibraryManager.library, {
  vidad_fit_canvas__deps: ['$Page', '$DevicePixels'],
  vidad_fit_canvas: function(handle, fitted) {
    const canvas = Page.elements[handle];
    let size = [0, 0, 1];
    if (canvas instanceof HTMLCanvasElement) {
      const [width, height] = DevicePixels.size(canvas);
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
      }
      size = [width, height, DevicePixels.pixelBlock(canvas)];
    }
    HEAP32.set(size, fitted >> 2);
  },

  vidad_put_pixels__deps: ['$Page'],
  vidad_put_pixels: function(handle, pixels, width, height) {
    const canvas = Page.elements[handle];
    if (!canvas || width === 0 || height === 0) {
      return;
    }
    const bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    canvas.getContext('2d').putImageData(new ImageData(bytes.slice(), width, height), 0, 0);
  },

  vidad_clear_painting__deps: ['$Page'],
  vidad_clear_painting: function(handle) {
    const element = Page.elements[handle];
    if (element instanceof HTMLDialogElement) {
      element.querySelectorAll('.client > .painted').forEach((painted) => painted.remove());
    }
  },

  vidad_text_out__deps: ['$Page'],
  vidad_text_out: function(handle, x, y, text, length, opaque) {
    const element = Page.elements[handle];
    if (!(element instanceof HTMLDialogElement)) {
      return;
    }
    const span = document.createElement('span');
    span.className = 'painted text-out' + (opaque ? ' opaque' : '');
    span.style.left = x + 'px';
    span.style.top = y + 'px';
    span.textContent = Page.text(text, length);
    element.querySelector('.client').prepend(span);
  },

  vidad_draw_icon__deps: ['$Page'],
  vidad_draw_icon: function(handle, x, y, iconId) {
    const element = Page.elements[handle];
    if (!(element instanceof HTMLDialogElement)) {
      return;
    }
    const image = document.createElement('img');
    image.className = 'painted';
    image.alt = '';
    image.src = Page.iconUrl(iconId, Page.number('kIconSize'));
    image.style.left = x + 'px';
    image.style.top = y + 'px';
    element.querySelector('.client').prepend(image);
  },
});
