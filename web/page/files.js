// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files the page hands to the user: a download of a blob under a suggested name, only
// when the user asks for one.

export function download(blob, name) {
  const url = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.style.display = 'none';
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// Bytes the core wrote (UTF-8, with its byte-order mark), as a file of that type.
export function bytesBlob(bytes, type) {
  return new Blob([bytes], { type: `${type};charset=utf-8` });
}
