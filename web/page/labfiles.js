// SPDX-FileCopyrightText: 2026 Veltrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The files of a lab class in the browser: the picture on the clipboard, a setup opened
// from a file (the core reads and refuses it), saved as a download or as a link to the
// page, and the report as a page for the printer.

import { showMessage } from './dialogs.js';
import { download } from './files.js';
import { setupLink } from './language.js';
import { showReport } from './report.js';

export class LabFiles {
  constructor(page) {
    this.page = page;
  }

  async copyPicture() {
    try {
      const blob = await this.page.picture.png();
      await navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]);
    } catch (error) {
      await showMessage({ title: this.page.texts.copyFailedTitle, text: this.page.texts.copyFailedText, icon: 'warning' });
    }
  }

  chooseSetupFile() {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = this.page.description.setupFiles.accept;
    input.addEventListener('change', () => {
      if (input.files.length === 1) this.openSetupFile(input.files[0]);
    });
    input.click();
  }

  // A file over the limit is not read: the core refuses its size.
  async openSetupFile(file) {
    const { largest } = this.page.description.setupFiles;
    const text = file.size > largest ? ' '.repeat(largest + 1) : await file.text();
    await this.page.openSetupText(text, file.name);
  }

  async saveSetup() {
    const { name, mimeType } = this.page.description.setupFiles;
    download(new Blob([await this.page.call('setupText')], { type: mimeType }), name);
  }

  async copySetupLink() {
    const link = setupLink(this.page.language.code, this.page.description.sourceLanguage,
                           await this.page.call('setupText'));
    const t = this.page.texts;
    try {
      await navigator.clipboard.writeText(link);
      await showMessage({ title: t.copySetupLink, text: t.setupLinkCopied, icon: 'information' });
    } catch (error) {
      await showMessage({ title: t.copySetupLink, text: t.setupLinkShown + link, icon: 'information' });
    }
  }

  async printReport() {
    const now = new Date();
    const report = await this.page.call('report', now.getFullYear(), now.getMonth() + 1, now.getDate(),
                                   now.getHours(), now.getMinutes(), this.page.description.version);
    showReport(report, this.page.experiment.chartImage(), this.page.description);
    window.print();
  }
}
